#include "ui/matrix/NewMatrixDialog.h"

#include "matrix/MatrixFile.h"
#include "ui/DisplayFormat.h"
#include "ui/LanguageText.h"
#include "ui/Prompt.h"
#include "ui/widgets/NamedWidgets.h"
#include "ui/WindowLoad.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QThread>
#include <QVBoxLayout>

namespace quintora {

namespace {

QSpinBox* spinBox(const char* name, int from, int to, int value, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QString::fromUtf8(name));
    box->setRange(from, to);
    box->setValue(value);
    box->setAlignment(Qt::AlignRight);
    return box;
}

} // namespace

NewMatrixDialog::NewMatrixDialog(Prompt& prompt, Language& language, QString matrixFolder,
                                 CalendarDate today, std::uint8_t v, QWidget* parent)
    : QDialog(parent)
    , prompt_(prompt)
    , language_(language)
    , folder_(std::move(matrixFolder))
    , today_(today) {
    setObjectName(QStringLiteral("frmNuovaMatrice"));
    setWindowTitle(QStringLiteral("Nuova matrice"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto* frame = new QGroupBox(QStringLiteral("Garanzia"), this);
    frame->setObjectName(QStringLiteral("frameGaranzia"));
    auto* grid = new QGridLayout(frame);
    v_ = spinBox("spnV", 5, 50, v, frame);
    t_ = spinBox("spnT", 1, 5, 3, frame);
    m_ = spinBox("spnM", 1, 5, 3, frame);
    f_ = spinBox("spnF", 0, 4, 0, frame);
    seconds_ = spinBox("spnSecondi", 1, 3600, 10, frame);
    author_ = new QLineEdit(QStringLiteral("Quintora"), frame);
    author_->setObjectName(QStringLiteral("txtAutore"));
    author_->setMaxLength(static_cast<int>(matrixfile::AuthorWidth));
    description_ = new QLineEdit(frame);
    description_->setObjectName(QStringLiteral("txtDescrizione"));
    description_->setMaxLength(static_cast<int>(matrixfile::DescriptionWidth));
    description_->setMinimumWidth(320);
    grid->addWidget(namedLabel("lblV", "Numeri (V)", frame), 0, 0);
    grid->addWidget(v_, 0, 1);
    grid->addWidget(namedLabel("lblF", "Numeri fissi (F)", frame), 0, 2);
    grid->addWidget(f_, 0, 3);
    grid->addWidget(namedLabel("lblT", "Garanzia (T)", frame), 1, 0);
    grid->addWidget(t_, 1, 1);
    grid->addWidget(namedLabel("lblM", "Se estratti (M)", frame), 1, 2);
    grid->addWidget(m_, 1, 3);
    grid->addWidget(namedLabel("lblAutore", "Autore", frame), 2, 0);
    grid->addWidget(author_, 2, 1, 1, 3);
    grid->addWidget(namedLabel("lblDescrizione", "Descrizione", frame), 3, 0);
    grid->addWidget(description_, 3, 1, 1, 3);
    grid->addWidget(namedLabel("lblSecondi", "Secondi di ricerca", frame), 4, 0);
    grid->addWidget(seconds_, 4, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("prgRicerca"));
    bar_->setRange(0, 100);
    bar_->setValue(0);
    columns_ = new QLabel(this);
    columns_->setObjectName(QStringLiteral("labColonne"));
    columns_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    columns_->setMinimumWidth(80);
    auto* progress = new QHBoxLayout;
    progress->addWidget(namedLabel("lblColonne", "Colonne", this));
    progress->addWidget(columns_);
    progress->addWidget(bar_, 1);

    create_ = namedButton("cmdCrea", "Crea", this);
    create_->setDefault(true);
    stopButton_ = namedButton("cmdStop", "Ferma", this);
    close_ = namedButton("cmdChiudi", "Chiudi", this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(create_);
    buttons->addWidget(stopButton_);
    buttons->addWidget(close_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(progress);
    layout->addLayout(buttons);

    // An empty description gets the default one: shown while the field is empty.
    const auto showDefaultDescription = [this] {
        const WheelShape shape{v_->value(), t_->value(), m_->value(), f_->value()};
        description_->setPlaceholderText(shownText(language_, wheelDescription(shape)));
    };
    for (auto* box : {v_, t_, m_, f_}) {
        connect(box, &QSpinBox::valueChanged, this, showDefaultDescription);
    }
    showDefaultDescription();
    connect(create_, &QPushButton::clicked, this, &NewMatrixDialog::start);
    connect(stopButton_, &QPushButton::clicked, this, &NewMatrixDialog::stop);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
    showRunning(false);
    loadWindowTexts(this, language);
}

NewMatrixDialog::~NewMatrixDialog() {
    if (thread_ != nullptr) {
        stop_ = true;
        thread_->wait();
    }
}

void NewMatrixDialog::showRunning(bool running) {
    for (QWidget* w : std::initializer_list<QWidget*>{v_, t_, m_, f_, seconds_, author_,
                                                      description_, create_, close_}) {
        w->setEnabled(!running);
    }
    stopButton_->setEnabled(running);
}

void NewMatrixDialog::start() {
    if (thread_ != nullptr) {
        return;
    }
    shape_ = WheelShape{v_->value(), t_->value(), m_->value(), f_->value()};
    if (const auto error = wheelShapeError(shape_)) {
        prompt_.message(this, {}, shownText(language_, *error), Prompt::Icon::Exclamation);
        return;
    }
    // Named as the shipped matrices are.
    const QString name = QStringLiteral("V%1T%2M%3%4.mzor")
                             .arg(shape_.v)
                             .arg(shape_.t)
                             .arg(shape_.m)
                             .arg(shape_.f > 0 ? QStringLiteral("F%1").arg(shape_.f) : QString());
    QDir().mkpath(folder_);
    target_ = QDir(folder_).filePath(name);
    if (QFileInfo::exists(target_) &&
        !prompt_.question(this, {}, languageText(language_, text::ReplaceFileQuestion).arg(name),
                          Prompt::Icon::Question)) {
        return;
    }
    stop_ = false;
    outcome_.reset();
    bar_->setValue(0);
    columns_->clear();
    WheelOptions options;
    options.seconds = seconds_->value();
    options.seed = static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch());
    options.stop = &stop_;
    // Called on the worker: the values travel to the window's thread by value.
    options.progress = [this](const SearchProgress& p) {
        QMetaObject::invokeMethod(
            this,
            [this, p] {
                columns_->setText(displayCount(p.blocks));
                bar_->setValue(static_cast<int>(p.fraction * 100));
            },
            Qt::QueuedConnection);
    };
    thread_ = QThread::create(
        [this, shape = shape_, options] { outcome_.emplace(makeWheel(shape, options)); });
    thread_->setParent(this);
    connect(thread_, &QThread::finished, this, &NewMatrixDialog::finish);
    showRunning(true);
    thread_->start();
}

void NewMatrixDialog::finish() {
    thread_->deleteLater();
    thread_ = nullptr;
    showRunning(false);
    if (!outcome_ || !*outcome_) {
        const QString text = outcome_ ? shownText(language_, outcome_->error().what) : QString();
        if (!text.isEmpty()) {
            prompt_.message(this, {}, text, Prompt::Icon::Critical);
        }
        return;
    }
    const Wheel& wheel = outcome_->value();
    columns_->setText(displayCount(static_cast<double>(wheel.columns.size())));
    bar_->setValue(100);
    WheelLabels labels;
    labels.author = author_->text().trimmed().toStdString();
    labels.description = description_->text().trimmed().toStdString();
    labels.validFrom = today_;
    const Matrix matrix = wheelMatrix(shape_, wheel, labels);
    if (auto saved = saveMatrixFile(target_.toStdString(), matrix); !saved) {
        prompt_.message(this, {}, shownText(language_, saved.error().what), Prompt::Icon::Critical);
        return;
    }
    savedName_ = QFileInfo(target_).fileName();
    accept();
}

void NewMatrixDialog::done(int result) {
    if (thread_ != nullptr) {
        // Closing while the search runs stops it; its wheel is still saved when it ends.
        stop_ = true;
        return;
    }
    QDialog::done(result);
}

} // namespace quintora
