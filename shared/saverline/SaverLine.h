#pragma once

#include <QRect>
#include <QString>
#include <array>

// The one argument a saver program is started with. "RUN##x##y##width##height##F##caption" runs the saver
// beside the player's screen window (its rectangle in pixels, F "1" when it is full screen, and its
// caption); "SHOW_CONFIG_FACE##x##y##caption" shows the saver's parameter dialog centred on the point, and
// the window with that caption comes back to the front when it closes. The caption is the last field, so
// it may hold anything, "##" included.
namespace saverline {
inline const QString kRun = QStringLiteral("RUN");
inline const QString kShowConfigFace = QStringLiteral("SHOW_CONFIG_FACE");
inline const QString kSeparator = QStringLiteral("##");

QString runLine(const QRect& playArea, bool boolFullScreen, const QString& strCaption);
// A saver run for a look: no play area, not full screen, and a caption of one blank.
QString previewLine();
QString configFaceLine(int lngCenterX, int lngCenterY, const QString& strCaption);

// A start line as a saver reads it: the mode and up to six fields (x, y, width, height, full-screen flag and
// caption for "RUN"; x, y and caption for "SHOW_CONFIG_FACE", the rest empty).
struct ParsedLine {
    QString strMode;
    std::array<QString, 6> astrFields;
};

// Splits the text at every "##". The mode, compared exactly, must be "RUN" with at least six fields after it
// or "SHOW_CONFIG_FACE" with at least three; further fields are ignored, so a caption is cut at its first
// "##". False for an empty text, another mode or too few fields.
bool boolParseCommandLine(const QString& text, ParsedLine& line);
}  // namespace saverline
