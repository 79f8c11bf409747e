#include "ui/ManualWindow.h"

#include "ui/WindowLoad.h"

#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMap>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QVBoxLayout>

namespace quintora {

namespace {

// The manual marks a section with a line `<a name="frmSomma"></a>` before its heading, as
// Markdown readers on the web expect. Qt's Markdown reader drops such anchors, so the lines
// are taken out here and their names given to the headings that follow: heading number ->
// the names it carries, counted in reading order outside code blocks.
QMap<int, QStringList> takeSectionAnchors(QString& markdown) {
    static const QRegularExpression anchorLine(
        QStringLiteral(R"re(^\s*<a\s+(?:name|id)="([^"]+)"\s*>\s*</a>\s*$)re"));
    QMap<int, QStringList> anchors;
    QStringList pending;
    QStringList kept;
    bool inCode = false;
    int heading = 0;
    for (const QString& line : markdown.split(u'\n')) {
        if (line.trimmed().startsWith(QLatin1String("```"))) {
            inCode = !inCode;
        } else if (!inCode) {
            if (const auto match = anchorLine.match(line); match.hasMatch()) {
                pending << match.captured(1);
                continue;
            }
            if (line.startsWith(u'#')) {
                if (!pending.isEmpty()) {
                    anchors[heading] = std::exchange(pending, {});
                }
                ++heading;
            }
        }
        kept << line;
    }
    markdown = kept.join(u'\n');
    return anchors;
}

void markHeadings(QTextDocument* document, const QMap<int, QStringList>& anchors) {
    int heading = 0;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 0) {
            continue;
        }
        if (const auto names = anchors.value(heading); !names.isEmpty()) {
            QTextCursor cursor(block);
            cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            QTextCharFormat format;
            format.setAnchor(true);
            format.setAnchorNames(names);
            cursor.mergeCharFormat(format);
        }
        ++heading;
    }
}

} // namespace

ManualWindow::ManualWindow(const Language& language, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("frmGuida"));
    setWindowTitle(QStringLiteral("Guida di Quintora"));
    browser_->setObjectName(QStringLiteral("txtGuida"));
    // Links to the web open in the desktop's browser; those inside the manual stay here.
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    // Wide enough for the pictures of the main window at their size.
    loadWindowTexts(this, language, QSize(880, 680));
}

// Esc closes it, as it closes the program's dialogs.
void ManualWindow::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel)) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool ManualWindow::showSection(const QString& path, const QString& anchor) {
    const QFileInfo info(path);
    if (info.absoluteFilePath() != file_) {
        QFile file(info.absoluteFilePath());
        if (!file.open(QIODevice::ReadOnly)) {
            return false;
        }
        QString markdown = QString::fromUtf8(file.readAll());
        const auto anchors = takeSectionAnchors(markdown);
        // Pictures are named relative to the manual's folder.
        browser_->setSearchPaths({info.absolutePath()});
        browser_->document()->setBaseUrl(QUrl::fromLocalFile(info.absolutePath() + u'/'));
        browser_->setMarkdown(markdown);
        markHeadings(browser_->document(), anchors);
        file_ = info.absoluteFilePath();
    }
    browser_->verticalScrollBar()->setValue(0);
    if (!anchor.isEmpty()) {
        browser_->scrollToAnchor(anchor);
    }
    return true;
}

} // namespace quintora
