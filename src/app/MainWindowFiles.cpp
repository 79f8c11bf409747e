// frmMAIN's File menu: system files, the columns as text, and the settings.
#include "app/AppContext.h"
#include "app/MainWindow.h"
#include "core/SystemState.h"
#include "files/ColumnText.h"
#include "files/FileIo.h"
#include "files/SystemFile.h"
#include "ui/Prompt.h"
#include "ui/settings/SettingsDialog.h"
#include "ui/widgets/CellGrid.h"

#include <array>
#include <optional>
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <vector>

namespace quintora {

namespace {

const QString SystemFilter = QStringLiteral("File Quintora (*.qsy)|*.qsy");
const QString TextFilter = QStringLiteral("File TXT (*.txt)|*.txt");

QString fileNameOf(const std::string& path) {
    return QString::fromStdString(fileNamePart(path));
}

void showError(Prompt& prompt, QWidget* parent, const Error& error) {
    prompt.message(parent, QString::fromStdString(error.title),
                   QString::fromStdString(error.message), Prompt::Icon::Critical);
}

// The wait cursor for the life of the object.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

void MainWindow::markGridsFromNumberLists() {
    // Each click counts its number again, so the counts start from zero.
    auto& header = state().header;
    const auto mainList = numbersInPlay(header);
    const auto euroList = euroNumbers(header);
    const std::vector<std::uint8_t> mainNumbers(mainList.begin(), mainList.end());
    const std::vector<std::uint8_t> euros(euroList.begin(), euroList.end());
    header.numbersInPlayCount = 0;
    header.euroCount = 0;
    for (const auto n : mainNumbers) {
        if (isMainNumber(n) && !numberGrid_->marked(n - 1)) {
            clickNumber(n - 1);
        }
    }
    for (const auto n : euros) {
        if (isEuroNumber(n) && !euroGrid_->marked(n - 1)) {
            clickEuro(n - 1);
        }
    }
}

void MainWindow::openSystem() {
    const QString path =
        context_.prompt.openFileName(this, context_.dataFolder.systemsFolder(), SystemFilter);
    if (!path.isEmpty()) {
        openSystemFile(path);
    }
}

void MainWindow::saveSystem() {
    // A plain save always writes into the systems folder; an imported text becomes a .qsy.
    QString name = fileNameOf(state().systemPath);
    name.replace(QStringLiteral(".txt"), QStringLiteral(".qsy"));
    const QString path = context_.dataFolder.systemsFolder() + u'/' + name;
    state().systemPath = path.toStdString();
    writeSystemFile(path);
}

void MainWindow::saveSystemAs() {
    QString proposed = fileNameOf(state().systemFileName);
    proposed.replace(QStringLiteral(".txt"), QStringLiteral(".qsy"));
    const QString path = context_.prompt.saveFileName(
        this, context_.dataFolder.systemsFolder(), proposed, SystemFilter, QStringLiteral("qsy"));
    if (path.isEmpty()) {
        return;
    }
    state().systemPath = path.toStdString();
    writeSystemFile(path);
}

bool MainWindow::writeSystemFile(const QString& path) {
    if (path.isEmpty()) {
        return false;
    }
    rebuildNumberLists();
    Status saved = success();
    {
        const WaitCursor wait;
        saved = saveSystemFile(path.toStdString(), state());
    }
    if (!saved) {
        showError(context_.prompt, this, saved.error());
        return false;
    }
    // Only the panel changes: the system keeps its file name.
    statusPanels_[0]->setText(QFileInfo(path).fileName().toLower());
    return true;
}

void MainWindow::exportColumns() {
    QString proposed = fileNameOf(state().systemFileName);
    proposed.replace(QStringLiteral(".qsy"), QStringLiteral(".txt"));
    const QString path = context_.prompt.saveFileName(this, context_.dataFolder.textFolder(),
                                                      proposed, TextFilter, QStringLiteral("txt"));
    if (path.isEmpty()) {
        return;
    }
    const Status saved = saveColumnsText(path.toStdString(), state().columns);
    if (!saved) {
        showError(context_.prompt, this, saved.error());
        return;
    }
    context_.prompt.message(this, {}, QStringLiteral("File ") + path + QStringLiteral(" ok "),
                            Prompt::Icon::Information);
}

void MainWindow::importColumns() {
    const QString path =
        context_.prompt.openFileName(this, context_.dataFolder.textFolder(), TextFilter);
    importColumnsText(path);
}

bool MainWindow::importColumnsText(const QString& path) {
    if (path.isEmpty() || isDeveloping()) {
        return false;
    }
    // Everything is read and asked before the system is touched, so a refused file or a
    // cancelled answer leaves the previous system as it was.
    auto columns = [&path] {
        const WaitCursor wait;
        return readColumnsText(path.toStdString());
    }();
    if (!columns) {
        showError(context_.prompt, this, columns.error());
        return false;
    }
    std::array<std::uint8_t, EuroNumbersPerSystem> euro{};
    for (std::size_t i = 0; i < euro.size(); ++i) {
        const std::span<const std::uint8_t> chosen(euro.data(), i);
        for (;;) {
            const auto answer = context_.prompt.inputText(
                this, QStringLiteral("Euro Numeri"),
                QStringLiteral("Valore N. %1 ?").arg(static_cast<int>(i) + 1));
            if (!answer) {
                context_.prompt.message(
                    this, {}, QStringLiteral("Importazione annullata: il sistema non e' cambiato"),
                    Prompt::Icon::Information);
                return false;
            }
            const auto number = parseEuroAnswer(answer->toStdString(), chosen);
            if (number) {
                euro[i] = number.value();
                break;
            }
            showError(context_.prompt, this, number.error());
        }
    }

    clearSystem(false);
    applyImportedColumns(state(), std::move(columns.value()), euro);
    markGridsFromNumberLists();
    state().systemPath = path.toStdString();
    state().systemFileName = path.toStdString();
    lockGui();
    viewStatusBar();
    return true;
}

void MainWindow::openSettings() {
    readConfiguration();
    const QStringList printers =
        context_.printerNames ? context_.printerNames() : SettingsDialog::installedPrinters();
    SettingsDialog dialog(context_.settings, context_.dataFolder.settingsPath().toStdString(),
                          context_.language, context_.prompt, printers, this);
    dialog.exec();
}

} // namespace quintora
