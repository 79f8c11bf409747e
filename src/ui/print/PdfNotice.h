#pragma once

#include <functional>
#include <QString>
#include <QUrl>
#include <QWidget>

class QLabel;
class QPushButton;

namespace quintora {

class Language;

// A line of a printing window that says where the PDF just written went, with a button that
// opens its folder. Hidden until a PDF is written; it follows the window's language.
class PdfNotice : public QWidget {
    Q_OBJECT
public:
    // How a folder is opened: the desktop's way unless a test gives another.
    using Opener = std::function<bool(const QUrl&)>;

    PdfNotice(Language& language, QWidget* parent);

    void showWritten(const QString& path);
    // The window prints again: the notice goes until the next PDF.
    void clear();
    void setOpener(Opener opener) { opener_ = std::move(opener); }
    // cmdApriCartella.
    void openFolder();

    QString path() const { return path_; }
    QLabel* label() const { return label_; }
    QPushButton* button() const { return button_; }

protected:
    // The window hears of a new language; the notice says its line again in it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void writeText();

    Language& language_;
    QString path_;
    QLabel* label_ = nullptr;       // lblPdfScritto
    QPushButton* button_ = nullptr; // cmdApriCartella
    Opener opener_;
};

} // namespace quintora
