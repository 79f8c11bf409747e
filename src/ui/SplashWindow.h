#pragma once

#include <QWidget>

namespace quintora {

class Language;

// frmSplash: the program's name and "Versione " + major.minor.revision while it starts.
// A key or a click closes it.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    // With the program's own texts.
    explicit SplashWindow(QWidget* parent = nullptr);
    // With the texts of the chosen language.
    explicit SplashWindow(const Language& language, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace quintora
