#include "initune/ui/Tf_inikestrel.h"

#include "initune/IniHelpTexts.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QPlainTextEdit* MakeHelpMemo(const char* name, const QString& accessibleName, const QString& text) {
    auto* memo = new QPlainTextEdit(text);
    memo->setObjectName(name);
    memo->setAccessibleName(accessibleName);
    memo->setReadOnly(true);
    memo->hide();
    return memo;
}

}  // namespace

Tf_inikestrel::Tf_inikestrel(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("Tf_inikestrel");
    setWindowTitle(Tf_inikestrel::tr("*.INI kestrel"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeTopPanel());
    layout->addWidget(MakeGridArea(), 1);
    layout->addWidget(MakeBottomPanel());
    ConnectButtons();
    ClearWindow();
    resize(900, 640);
}

QPushButton* Tf_inikestrel::AddButton(const char* name, const QString& caption) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    return button;
}

QWidget* Tf_inikestrel::MakeTopPanel() {
    auto* panel = new QFrame;
    panel->setObjectName("Panel1");
    panel->setFrameShape(QFrame::StyledPanel);
    auto* row = new QHBoxLayout(panel);
    labelPath_ = new QLabel;
    labelPath_->setObjectName("LabelPath");
    labelPath_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    buttonLoadFlyIni_ = AddButton("ButtonLoadFlyIni", QStringLiteral("fly.ini"));
    buttonLoadRenderIni_ = AddButton("ButtonLoadRenderIni", QStringLiteral("render.ini"));
    buttonLoadFlyIni_->hide();
    buttonLoadRenderIni_->hide();
    buttonHelp_ = AddButton("ButtonHelp", Tf_inikestrel::tr("Aide"));
    row->addWidget(labelPath_, 1);
    row->addWidget(buttonLoadFlyIni_);
    row->addWidget(buttonLoadRenderIni_);
    row->addWidget(buttonHelp_);
    return panel;
}

QWidget* Tf_inikestrel::MakeGridArea() {
    auto* area = new QWidget;
    auto* stack = new QGridLayout(area);
    stack->setContentsMargins(0, 0, 0, 0);
    table_ = new QTableWidget(0, IniGrid::ColumnCount);
    table_->setObjectName("StringGrid1");
    table_->setAccessibleName(Tf_inikestrel::tr("Grille des valeurs du fichier INI"));
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(std::max(16, fontMetrics().height() + 6));
    table_->horizontalHeader()->setDefaultSectionSize(250);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    memoFlyHelp_ = MakeHelpMemo("MemoFlyHelp", Tf_inikestrel::tr("Aide fly.ini"), FlyIniHelpText());
    memoRenderHelp_ =
        MakeHelpMemo("MemoRenderHelp", Tf_inikestrel::tr("Aide render.ini"), RenderIniHelpText());
    // The help texts lie over the grid in the same cell.
    stack->addWidget(table_, 0, 0);
    stack->addWidget(memoFlyHelp_, 0, 0);
    stack->addWidget(memoRenderHelp_, 0, 0);
    return area;
}

QWidget* Tf_inikestrel::MakeBottomPanel() {
    auto* panel = new QFrame;
    panel->setObjectName("Panel2");
    panel->setFrameShape(QFrame::StyledPanel);
    auto* rows = new QVBoxLayout(panel);
    auto* actions = new QHBoxLayout;
    buttonSave_ = AddButton("ButtonSave", Tf_inikestrel::tr("OK, enregistrer"));
    buttonQuit_ = AddButton("ButtonQuit", Tf_inikestrel::tr("QUITTER sans enregistrer"));
    buttonApplyDefaults_ =
        AddButton("ButtonApplyDefaults", Tf_inikestrel::tr("APPLIQUER les valeurs par défaut"));
    buttonApplyCalc_ = AddButton("ButtonApplyCalc", Tf_inikestrel::tr("APPLIQUER/CALC. nouvelles valeurs"));
    actions->addWidget(buttonSave_);
    actions->addWidget(buttonQuit_);
    actions->addStretch(1);
    actions->addWidget(buttonApplyDefaults_);
    actions->addWidget(buttonApplyCalc_);
    auto* search = new QHBoxLayout;
    buttonSearchOtherDrives_ =
        AddButton("ButtonSearchOtherDrives", Tf_inikestrel::tr("Sélectionner SearchOtherDrives"));
    buttonSearch_ = AddButton("ButtonSearch", Tf_inikestrel::tr("Chercher"));
    editSearch_ = new QLineEdit;
    editSearch_->setObjectName("EditSearch");
    editSearch_->setAccessibleName(Tf_inikestrel::tr("Nom à chercher"));
    editSearch_->installEventFilter(this);
    buttonSearchAgain_ = AddButton("ButtonSearchAgain", Tf_inikestrel::tr("Chercher encore"));
    search->addWidget(buttonSearchOtherDrives_);
    search->addStretch(1);
    search->addWidget(buttonSearch_);
    search->addWidget(editSearch_, 1);
    search->addWidget(buttonSearchAgain_);
    rows->addLayout(actions);
    rows->addLayout(search);
    return panel;
}

void Tf_inikestrel::ConnectButtons() {
    connect(buttonLoadFlyIni_, &QPushButton::clicked, this, &Tf_inikestrel::ButtonLoadFlyIniClick);
    connect(buttonLoadRenderIni_, &QPushButton::clicked, this, &Tf_inikestrel::ButtonLoadRenderIniClick);
    connect(buttonSave_, &QPushButton::clicked, this, &Tf_inikestrel::ButtonSaveClick);
    connect(buttonQuit_, &QPushButton::clicked, this, &QWidget::hide);
    connect(buttonApplyDefaults_, &QPushButton::clicked, this, &Tf_inikestrel::ButtonApplyDefaultsClick);
    connect(buttonApplyCalc_, &QPushButton::clicked, this, &Tf_inikestrel::ButtonApplyCalcClick);
    connect(buttonSearchOtherDrives_, &QPushButton::clicked, this,
            &Tf_inikestrel::ButtonSearchOtherDrivesClick);
    connect(buttonSearch_, &QPushButton::clicked, this, &Tf_inikestrel::ButtonSearchClick);
    connect(buttonSearchAgain_, &QPushButton::clicked, this, &Tf_inikestrel::ButtonSearchAgainClick);
    connect(buttonHelp_, &QPushButton::clicked, this, &Tf_inikestrel::ButtonHelpClick);
    connect(editSearch_, &QLineEdit::returnPressed, this, &Tf_inikestrel::EditSearchReturnPressed);
    connect(table_, &QTableWidget::itemChanged, this, &Tf_inikestrel::StringGrid1ItemChanged);
}

void Tf_inikestrel::OpenFlyIni() {
    buttonLoadRenderIni_->hide();
    buttonLoadRenderIni_->setEnabled(false);
    buttonLoadFlyIni_->setEnabled(true);
    ButtonLoadFlyIniClick();
    show();
    raise();
}

void Tf_inikestrel::OpenRenderIni() {
    buttonLoadFlyIni_->hide();
    buttonLoadFlyIni_->setEnabled(false);
    buttonLoadRenderIni_->setEnabled(true);
    ButtonLoadRenderIniClick();
    show();
    raise();
}
