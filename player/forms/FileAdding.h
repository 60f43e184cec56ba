#pragma once

#include <QList>
#include <QStringList>
#include <QUrl>

#include <QObject>

class Controler;
class QDropEvent;
class QFileDialog;
class QWidget;

// Bringing media files into the play list: through the add-files dialog and by dropping files on the control
// panel (which only adds) or on the screen window (which adds and plays). Both end in the controller's
// BatchAddMovie with the play flag; messages appear in the one-button message box over the owner. A file URL
// gives its path byte for byte (base/FileSystemNames.h), whatever the encoding of its name.

// At most this many files are taken from one drop.
inline constexpr int kMaxDroppedFiles = 500;

// The dialog's media-type filters in Qt's syntax, "entry text (patterns separated by spaces)", in the
// order users see them: all media files first, all files last.
QStringList buildMediaFileFilter();

// The add-files dialog: its title, several files at a time, the media filters with the first one chosen.
QFileDialog* newAddFileDialog(QWidget* owner);

// Shows the dialog and adds the chosen files. Cancelling adds nothing and says nothing.
void addFilesByDialog(QFileDialog& dialog, bool play, Controler* controler, QWidget* owner);

// Adds the local files among the dropped URLs, in their order; more than 500 are refused with a message.
// It may show a modal message box, so a drop handler calls it through acceptFileDrop, after the drop.
void processDroppedFiles(const QList<QUrl>& urls, bool play, Controler* controler, QWidget* owner);

// For a window's drag-enter and drag-move handlers: accepts a drag that carries URLs.
bool acceptFileDrag(QDropEvent* event);

// For a window's drop handler: accepts the drop and runs processDroppedFiles once the drop is over.
void acceptFileDrop(QDropEvent* event, bool play, Controler* controler, QWidget* owner);

// Makes a window that has no drop handlers of its own a drop target: it accepts dragged URLs and hands a drop
// to acceptFileDrop with the given play flag. It lives as the window's child.
class FileDropTarget : public QObject {
    Q_OBJECT
  public:
    FileDropTarget(QWidget* window, bool play, Controler* controler);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* m_window;
    bool m_play;
    Controler* m_controler;
};
