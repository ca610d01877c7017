#pragma once

#include "initune/IniGrid.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

// Window "*.INI kestrel": fly.ini against recommended values, or the texture memory of render.ini.
// The grid logic lives in IniGrid and the tuning functions; the window shows the grid and passes edits.
class Tf_inikestrel final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tf_inikestrel)
  public:
    explicit Tf_inikestrel(QWidget* parent = nullptr);

    // The main window's "Modifie le FLY.INI": hides and disables the render.ini load button, loads
    // fly.ini, shows the window.
    void OpenFlyIni();
    // The main window's "Modifie le RENDER.INI": the same for render.ini.
    void OpenRenderIni();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPushButton* AddButton(const char* name, const QString& caption);
    QWidget* MakeTopPanel();
    QWidget* MakeGridArea();
    QWidget* MakeBottomPanel();
    void ConnectButtons();

    void ClearWindow();
    void ShowModeButtons();
    void ShowGrid();
    void SelectNewCell(int row);

    void ButtonLoadFlyIniClick();
    void ButtonLoadRenderIniClick();
    void ButtonSaveClick();
    void ButtonApplyDefaultsClick();
    void ButtonApplyCalcClick();
    void ButtonSearchOtherDrivesClick();
    void ButtonSearchClick();
    void ButtonSearchAgainClick();
    void ButtonHelpClick();
    void EditSearchReturnPressed();
    void RunSearch();
    void StringGrid1ItemChanged(QTableWidgetItem* item);

    IniGrid grid_;
    bool helpVisible_ = false;

    QLabel* labelPath_ = nullptr;
    QTableWidget* table_ = nullptr;
    QPlainTextEdit* memoFlyHelp_ = nullptr;
    QPlainTextEdit* memoRenderHelp_ = nullptr;
    QLineEdit* editSearch_ = nullptr;
    QPushButton* buttonHelp_ = nullptr;
    QPushButton* buttonLoadFlyIni_ = nullptr;
    QPushButton* buttonLoadRenderIni_ = nullptr;
    QPushButton* buttonSave_ = nullptr;
    QPushButton* buttonQuit_ = nullptr;
    QPushButton* buttonApplyDefaults_ = nullptr;
    QPushButton* buttonApplyCalc_ = nullptr;
    QPushButton* buttonSearchOtherDrives_ = nullptr;
    QPushButton* buttonSearch_ = nullptr;
    QPushButton* buttonSearchAgain_ = nullptr;
};
