#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace quintora {

class Language;

// frmGuida: the user's manual, a Markdown file, in a window of its own. A line
// `<a name="NAME"></a>` before a heading names that section.
class ManualWindow : public QWidget {
    Q_OBJECT
public:
    explicit ManualWindow(const Language& language, QWidget* parent = nullptr);

    // Shows `file` scrolled to the section `anchor` (the top when empty or not in the file),
    // reading the file again only when it is another one. False when it cannot be read.
    bool showSection(const QString& file, const QString& anchor);

    QTextBrowser* browser() const { return browser_; }
    // The file shown; empty before the first.
    const QString& file() const { return file_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTextBrowser* browser_;
    QString file_;
};

} // namespace quintora
