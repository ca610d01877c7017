// The handlers of Tf_inikestrel: each passes its input to the tuning functions and shows the result.
#include "initune/ui/Tf_inikestrel.h"

#include "fs/FileUtils.h"
#include "fs/NativeFs.h"
#include "fs/Outcome.h"
#include "initune/FlyIniTuning.h"
#include "initune/IniSaving.h"
#include "initune/RenderIniTuning.h"
#include "journal/JournalScope.h"
#include "shell/Dialogs.h"
#include "shell/OwnFilesFolder.h"
#include "shell/Settings.h"
#include "shell/ui/FailureBoxes.h"
#include "shell/ui/ShowOutcome.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <algorithm>

namespace {

void ShowButton(QPushButton* button, bool on) {
    button->setEnabled(on);
    button->setVisible(on);
}

// The boxes of a file loaded into the grid, then of its memory computed (render.ini): a path the settings
// don't hold yet (the path window's OK fills it in) is named by its file.
Outcome LoadedOutcome(const Result<bool>& loaded, const QString& path, const QString& file,
                      const Done& computed) {
    if (!loaded)
        return Outcome::Error(Tf_inikestrel::tr("Lecture impossible : %1").arg(loaded.failure().path));
    if (!*loaded)
        return Outcome::Info(
            Tf_inikestrel::tr("%1 NON TROUVE!!!").arg(path.isEmpty() ? file : ResolvePath(path)));
    return computed ? Outcome() : Outcome::Error(computed.failure().reason);
}

Outcome SavedOutcome(const Result<Done>& saved) {
    if (!saved)
        return BackupFailed(saved.failure().path, saved.failure());
    if (!*saved)
        return Outcome::Error(Tf_inikestrel::tr("Impossible d'enregistrer %1 : %2")
                                  .arg(saved->failure().path, saved->failure().reason));
    return {};
}

} // namespace

void Tf_inikestrel::ClearWindow() {
    grid_.Clear();
    for (QPushButton* button : {buttonApplyDefaults_, buttonApplyCalc_, buttonHelp_, buttonSearchOtherDrives_,
                                buttonSearch_, buttonSearchAgain_})
        ShowButton(button, false);
    memoFlyHelp_->hide();
    memoRenderHelp_->hide();
    helpVisible_ = false;
    editSearch_->hide();
    editSearch_->setEnabled(false);
    ShowGrid();
}

void Tf_inikestrel::ShowModeButtons() {
    const bool fly = grid_.mode == IniMode::FlyIni;
    const bool render = grid_.mode == IniMode::RenderIni;
    ShowButton(buttonApplyDefaults_, fly);
    ShowButton(buttonSearchOtherDrives_, fly);
    ShowButton(buttonSearch_, fly);
    ShowButton(buttonSearchAgain_, fly);
    ShowButton(buttonApplyCalc_, render);
    ShowButton(buttonHelp_, fly || render);
}

void Tf_inikestrel::ShowGrid() {
    const QSignalBlocker blocker(table_);
    labelPath_->setText(grid_.path.isEmpty() ? tr("pas de fichiers sélectionnés") : grid_.path);
    table_->clearContents();
    table_->setRowCount(std::max(grid_.RowCount() - 1, 0));
    QStringList headers;
    for (int column = 0; column < IniGrid::ColumnCount; ++column)
        headers << grid_.Cell(0, column);
    table_->setHorizontalHeaderLabels(headers);
    const QBrush fixed = palette().button();
    for (int row = 1; row < grid_.RowCount(); ++row) {
        for (int column = 0; column < IniGrid::ColumnCount; ++column) {
            auto* item = new QTableWidgetItem(grid_.Cell(row, column));
            const bool editable = column == grid_.newColumn && row >= grid_.fixedRows;
            item->setFlags(editable ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable
                                    : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            if (!editable)
                item->setBackground(fixed);
            table_->setItem(row - 1, column, item);
        }
    }
    const int width = grid_.mode == IniMode::FlyIni ? 150 : grid_.mode == IniMode::RenderIni ? 100 : 250;
    table_->setColumnWidth(0, 250);
    for (int column = 1; column < IniGrid::ColumnCount; ++column)
        table_->setColumnWidth(column, width);
}

void Tf_inikestrel::SelectNewCell(int row) {
    if (row < 1 || grid_.newColumn < 0) {
        table_->scrollToTop();
        return;
    }
    QTableWidgetItem* item = table_->item(row - 1, grid_.newColumn);
    table_->scrollToItem(item, QAbstractItemView::PositionAtTop);
    table_->setCurrentItem(item);
}

void Tf_inikestrel::ButtonLoadFlyIniClick() {
    ClearWindow();
    const QString& path = AppSettings().FlyIniPath;
    const Result<bool> loaded = LoadFlyIni(grid_, path, OwnFilesFolder(AppSettings().ProgramFolder));
    ShowModeButtons();
    ShowGrid();
    ShowOutcome(LoadedOutcome(loaded, path, QStringLiteral("fly.ini"), {}));
}

void Tf_inikestrel::ButtonLoadRenderIniClick() {
    ClearWindow();
    const QString& path = AppSettings().RenderIniPath;
    const Result<bool> loaded = LoadRenderIni(grid_, path);
    const Done computed = loaded && *loaded ? ComputeMemory(grid_) : Done();
    ShowModeButtons();
    ShowGrid();
    ShowOutcome(LoadedOutcome(loaded, path, QStringLiteral("render.ini"), computed));
}

void Tf_inikestrel::ButtonSaveClick() {
    if (const Done checked = CheckIniToSave(grid_); !checked) {
        ShowGrid();
        ShowInfo(checked.failure().reason);
        return;
    }
    Outcome outcome;
    {
        const JournalScope journal(
            AppSettings().FlyFolder,
            grid_.mode == IniMode::RenderIni
                ? QString::fromUtf8(QT_TRANSLATE_NOOP("Operation", "Enregistrer render.ini"))
                : QString::fromUtf8(QT_TRANSLATE_NOOP("Operation", "Enregistrer fly.ini")));
        outcome = SavedOutcome(SaveIni(grid_));
    }
    if (outcome.ok()) {
        hide();
        return;
    }
    ShowGrid();
    ShowOutcome(outcome);
}

void Tf_inikestrel::ButtonApplyDefaultsClick() {
    ApplyRecommendations(grid_);
    ShowGrid();
}

void Tf_inikestrel::ButtonApplyCalcClick() {
    const Done applied = ApplyNewCounts(grid_);
    const Done computed = applied ? ComputeMemory(grid_) : Done();
    ShowGrid();
    if (!applied)
        ShowInfo(applied.failure().reason);
    else if (!computed)
        ShowError(computed.failure().reason);
}

void Tf_inikestrel::ButtonSearchOtherDrivesClick() {
    const int row = SetRecommendation(grid_, QStringLiteral("SearchOtherDrives"), QStringLiteral("1"));
    ShowGrid();
    SelectNewCell(row);
}

void Tf_inikestrel::ButtonSearchClick() {
    grid_.searchPosition = -1;
    editSearch_->show();
    editSearch_->setEnabled(true);
    editSearch_->setFocus();
    // The last search stays offered, selected, so that typing replaces it.
    editSearch_->selectAll();
}

void Tf_inikestrel::ButtonSearchAgainClick() {
    grid_.searchPosition += 1;
    RunSearch();
}

void Tf_inikestrel::EditSearchReturnPressed() {
    grid_.searchPosition = -1;
    RunSearch();
}

void Tf_inikestrel::RunSearch() {
    const QString text = editSearch_->text();
    editSearch_->hide();
    editSearch_->setEnabled(false);
    if (const std::optional<int> row = SearchName(grid_, text))
        SelectNewCell(*row);
    else
        ShowOutcome(Outcome::Info(Tf_inikestrel::tr("%1 NOT FOUND!").arg(text)));
}

void Tf_inikestrel::ButtonHelpClick() {
    if (helpVisible_) {
        memoFlyHelp_->hide();
        memoRenderHelp_->hide();
        helpVisible_ = false;
        return;
    }
    QPlainTextEdit* memo = grid_.mode == IniMode::RenderIni ? memoRenderHelp_ : memoFlyHelp_;
    memo->show();
    memo->raise();
    helpVisible_ = true;
}

void Tf_inikestrel::StringGrid1ItemChanged(QTableWidgetItem* item) {
    grid_.SetCell(item->row() + 1, item->column(), item->text());
}

bool Tf_inikestrel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == editSearch_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        editSearch_->hide();
        editSearch_->setEnabled(false);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
