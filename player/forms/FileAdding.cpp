#include "FileAdding.h"

#include <QDropEvent>
#include <QFileDialog>
#include <QMimeData>
#include <QTimer>
#include <array>

#include "base/FileSystemNames.h"
#include "base/TextHelpers.h"
#include "control/Controler.h"
#include "frmMsgBox.h"

namespace {
// Each dropped name is read as at most this many characters, the end mark included.
constexpr int kDroppedNameChars = 1000;

struct MediaFilterEntry {
    const char* text;
    const char* patterns;
};

// Formats both engines play that the classic lists lack; the movie and sound entries carry them, and so does
// the first entry.
#define KESTRUNE_MOVIE_FORMATS "*.mp4;*.m4v;*.mkv;*.webm;*.ogv;*.ts;*.m2ts;*.3gp;*.flv"
#define KESTRUNE_SOUND_FORMATS "*.flac;*.opus;*.ogg;*.oga;*.aac"

// Entries 2 to 17; the first entry, all media files, is their union.
constexpr std::array<MediaFilterEntry, 16> kMediaTypes{{
    {"AIFF文件(*.aif)", "*.aif"},
    {"AU文件(*.au)", "*.au"},
    {"AVI文件(*.avi)", "*.avi"},
    {"MIDI文件(*.mid;*.rmi;*.midi)", "*.mid;*.rmi;*.midi"},
    {"MPEG文件(*.mpg;*.mpeg;*.mpa;*.mp2;*.mp3;*.dat)", "*.mpg;*.mpeg;*.mpa;*.mp2;*.mp3;*.dat"},
    {"QuickTime文件(*.mov; *.qt)", "*.mov; *.qt"},
    {"Real文件(*.ra;*.rm;*.rv;*.rmvb;*.rmj;*.rms;*.ram;*.rmm;*.rax;*.rvx;*.rp;*.rtx;*.rt;*.rmx)",
     "*.ra;*.rm;*.rv;*.rmvb;*.rmj;*.rms;*.ram;*.rmm;*.rax;*.rvx;*.rp;*.rtx;*.rt;*.rmx"},
    {"SMIL文件(*.smi;*.smil)", "*.smi;*.smil"},
    {"Wave文件(*.wav)", "*.wav"},
    {"图像(*.jpg;*.gif;*.png)", "*.jpg;*.gif;*.png"},
    {"Windows Media文件(asf)(*.asf;*.wm;*.wma;*.wmv;*.wmd)", "*.asf;*.wm;*.wma;*.wmv;*.wmd"},
    {"Windows 视频(*.avi;*.wmv;*.ppCast;*.xldap)", "*.avi;*.wmv;*.ppCast;*.xldap"},
    {"Windows 音频(*.wav;*.snd;*.au;*.aif;*.aifc;*.aiff;*.wma;*.mp3)",
     "*.wav;*.snd;*.au;*.aif;*.aifc;*.aiff;*.wma;*.mp3"},
    {"Windows 媒体(*.avi;*.wma;*.wmv;*.wm;*.asf;*.asx;*.wax;*.wvx;*.wmx)",
     "*.avi;*.wma;*.wmv;*.wm;*.asf;*.asx;*.wax;*.wvx;*.wmx"},
    {"电影(*.asf;*.avi;*.rmvb;*.rm;*.ram;*.mpeg;*.wma;*.wmv;*.mpg;*.mov;*.qt;"
     "*.m1v;*.mp2;*.mpa;*.mpe;*.wm;*.wmd;" KESTRUNE_MOVIE_FORMATS ")",
     "*.asf;*.avi;*.rmvb;*.rm;*.ram;*.mpeg;*.wma;*.wmv;*.mpg;*.mov;*.qt;*.m1v;*.mp2;*.mpa;*.mpe;*.wm;*."
     "wmd;" KESTRUNE_MOVIE_FORMATS},
    {"音频(*.mp3;*.mp2;*.wav;*.wma;*.midi;*.rm;*.rmvb;*.mp;*.mp1;*.mid;*.ra;*.rax;"
     "*.rmi;*.mpga;*.rmx;*.rmj;*.rms;*.au;*.aiff;*.acp;*.m4a;*.m4p;*.url;*.lnk;" KESTRUNE_SOUND_FORMATS ")",
     "*.mp3;*.mp2;*.wav;*.wma;*.midi;*.rm;*.rmvb;*.mp;*.mp1;*.mid;*.ra;*.rax;"
     "*.rmi;*.mpga;*.rmx;*.rmj;*.rms;*.au;*.aiff;*.acp;*.m4a;*.m4p;*.url;*.lnk;" KESTRUNE_SOUND_FORMATS},
}};

// "text" and "*.a;*.b" become "text (*.a *.b)"; blanks around a pattern do not count.
QString qtFilter(const QString& text, const QString& patterns) {
    QStringList list = patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& pattern : list) pattern = pattern.trimmed();
    return text + QStringLiteral(" (") + list.join(QLatin1Char(' ')) + QLatin1Char(')');
}
}  // namespace

QStringList buildMediaFileFilter() {
    QStringList allMedia;
    QStringList filters;
    for (const MediaFilterEntry& entry : kMediaTypes) {
        allMedia << QString::fromUtf8(entry.patterns);
        filters << qtFilter(QString::fromUtf8(entry.text), QString::fromUtf8(entry.patterns));
    }
    filters.prepend(qtFilter(QStringLiteral("所有媒体文件"), allMedia.join(QLatin1Char(';'))));
    filters << qtFilter(QStringLiteral("所有文件(*.*)"), QStringLiteral("*.*"));
    return filters;
}

QFileDialog* newAddFileDialog(QWidget* owner) {
    auto* dialog = new QFileDialog(owner, QStringLiteral("选择要添加到播放列表的文件"));
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFiles);
    // The list shows each entry's own text; the patterns in Qt's syntax stay out of sight.
    dialog->setOption(QFileDialog::HideNameFilterDetails);
    dialog->setNameFilters(buildMediaFileFilter());
    return dialog;
}

// Qt's dialog has no name buffer to overflow, so choosing many files cannot fail here.
void addFilesByDialog(QFileDialog& dialog, bool play, Controler* controler, QWidget* owner) {
    dialog.selectNameFilter(dialog.nameFilters().value(0));
    dialog.selectFile(QString());
    if (dialog.exec() != QDialog::Accepted) return;
    QStringList chosen;
    for (const QUrl& url : dialog.selectedUrls()) chosen << strLocalPathOfUrl(url);
    if (chosen.isEmpty()) return;
    QStringList files;
    if (chosen.size() > 1) {
        files << chosen.first().left(chosen.first().lastIndexOf(QLatin1Char('/'))) << chosen;
    } else {
        if (strFileNameOfPath(chosen.first()).isEmpty()) {
            frmMsgBox::showNote(owner, QStringLiteral("文件路径不合法"));
            return;
        }
        files << QString() << chosen.first();
    }
    controler->BatchAddMovie(files, play);
}

void processDroppedFiles(const QList<QUrl>& urls, bool play, Controler* controler, QWidget* owner) {
    QStringList files{QString()};
    for (const QUrl& url : urls) {
        if (url.isLocalFile()) files << strLocalPathOfUrl(url).left(kDroppedNameChars - 1);
    }
    if (files.size() - 1 > kMaxDroppedFiles) {
        frmMsgBox::showNote(owner, QStringLiteral("您选择的文件数量太多！"));
        return;
    }
    controler->BatchAddMovie(files, play);
}

bool acceptFileDrag(QDropEvent* event) {
    if (!event->mimeData()->hasUrls()) return false;
    event->acceptProposedAction();
    return true;
}

void acceptFileDrop(QDropEvent* event, bool play, Controler* controler, QWidget* owner) {
    if (!event->mimeData()->hasUrls()) return;
    const QList<QUrl> urls = event->mimeData()->urls();
    event->acceptProposedAction();
    QTimer::singleShot(0, owner,
                       [urls, play, controler, owner] { processDroppedFiles(urls, play, controler, owner); });
}

FileDropTarget::FileDropTarget(QWidget* window, bool play, Controler* controler)
    : QObject(window), m_window(window), m_play(play), m_controler(controler) {
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

bool FileDropTarget::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_window) return false;
    switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
            return acceptFileDrag(static_cast<QDropEvent*>(event));
        case QEvent::Drop:
            acceptFileDrop(static_cast<QDropEvent*>(event), m_play, m_controler, m_window);
            return true;
        default:
            return false;
    }
}
