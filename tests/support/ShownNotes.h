#pragma once

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QStringList>

// The program's notes as the user sees them: the visible dialogs titled "提示", read and answered through
// their own labels and buttons.
inline QList<QDialog*> shownNotes() {
    QList<QDialog*> notes;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QDialog*>(window);
        if (dialog && dialog->isVisible() && dialog->windowTitle() == QStringLiteral("提示")) notes << dialog;
    }
    return notes;
}

// The texts of the visible notes' labels, one note after the other.
inline QStringList shownNoteTexts() {
    QStringList texts;
    for (QDialog* note : shownNotes()) {
        for (QLabel* label : note->findChildren<QLabel*>()) {
            if (!label->text().isEmpty()) texts << label->text();
        }
    }
    return texts;
}

// Clicks the first visible button of every visible note, as the user answering it.
inline void closeShownNotes() {
    for (QDialog* note : shownNotes()) {
        for (QPushButton* button : note->findChildren<QPushButton*>()) {
            if (button->isVisible()) {
                button->click();
                break;
            }
        }
    }
}
