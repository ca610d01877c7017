#include "slicer/ui/TF2sInputForm.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <limits>

TF2sInputForm::TF2sInputForm(QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName("TF2sInputForm");
    setWindowTitle(TF2sInputForm::tr("Créer un fichier d'entrée pour fly2slice"));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(TexturesGroup());
    top->addWidget(ElevationsGroup());
    layout->addLayout(top);
    layout->addWidget(GlobeTileAndPodGroup());
    layout->addWidget(ActionButtons());
    connect(nightCreate_, &QCheckBox::toggled, this, &TF2sInputForm::ApplyEnabling);
    connect(elevationsCreate_, &QCheckBox::toggled, this, &TF2sInputForm::ApplyEnabling);
    connect(globeTile_, &QCheckBox::toggled, this, &TF2sInputForm::ApplyEnabling);
    ApplyEnabling();
}

QWidget* TF2sInputForm::TexturesGroup() {
    auto* group = new QGroupBox(tr("Textures"));
    auto* grid = new QGridLayout(group);
    texturesCreate_ = Check("CBTexCreate", TF2sInputForm::tr("Textures create"), true);
    texturesDistance_ = Check("CBTexDistance", TF2sInputForm::tr("Créer Textures Distantes"), true);
    nightCreate_ = Check("CBTexNight", TF2sInputForm::tr("Créer Textures Nuit"), false);
    waterMask_ = Check("CBWaterMask", TF2sInputForm::tr("Créer \"Water Mask\""), false);
    waterPure_ = Check("CBWaterPure", TF2sInputForm::tr("Créer Eau simple"), false);
    keepExisting_ = Check("CBKeepExisting", TF2sInputForm::tr("Garder Textures existantes"), false);
    grid->addWidget(texturesCreate_, 0, 0);
    grid->addWidget(texturesDistance_, 0, 1);
    grid->addWidget(nightCreate_, 1, 0);
    grid->addWidget(waterMask_, 1, 1);
    grid->addWidget(waterPure_, 2, 0);
    grid->addWidget(keepExisting_, 2, 1);
    nightCutoff_ = Spin(grid, 3, "SENightCutoff", TF2sInputForm::tr("Night Textures CutOff"), 20);
    grid->addWidget(Button("BtnReadTGA", TF2sInputForm::tr("Lire nom fichier *.TGA (Textures)"),
                           &TF2sInputForm::ReadTgaClick),
                    4, 0, 1, 2);
    textureFile_ = Edit("EditTGA", TF2sInputForm::tr("Fichier TGA des textures"));
    grid->addWidget(textureFile_, 5, 0, 1, 2);
    textureLatLon_ = Button("BtnTexLatLon", TF2sInputForm::tr("TEXTURES Latitude - Longitude"),
                            &TF2sInputForm::TexturesLatLonClick);
    grid->addWidget(textureLatLon_, 6, 0, 1, 2);
    textureCorners_ = CornerEdits(grid, 7, "EditTex", TF2sInputForm::tr("des textures"));
    grid->setRowStretch(11, 1);
    return group;
}

QWidget* TF2sInputForm::ElevationsGroup() {
    auto* group = new QGroupBox(tr("Elevations"));
    auto* grid = new QGridLayout(group);
    elevationsCreate_ = Check("CBElevCreate", TF2sInputForm::tr("Créer Elevations"), false);
    grid->addWidget(elevationsCreate_, 0, 0, 1, 2);
    grid->addWidget(Button("BtnReadRAS", TF2sInputForm::tr("Lire nom fichier *.RAS (Elevations)"),
                           &TF2sInputForm::ReadRasClick),
                    1, 0, 1, 2);
    elevationData_ = Edit("EditRAS", TF2sInputForm::tr("Répertoire RAS des élévations"));
    grid->addWidget(elevationData_, 2, 0, 1, 2);
    samplesX_ = Spin(grid, 3, "SESamplesX", TF2sInputForm::tr("nombre d'échantillon X"), 0);
    samplesY_ = Spin(grid, 4, "SESamplesY", TF2sInputForm::tr("nombre d'échantillon Y"), 0);
    elevationLatLon_ = Button("BtnElevLatLon", TF2sInputForm::tr("ELEVATION Latitude - Longitude"),
                              &TF2sInputForm::ElevationsLatLonClick);
    grid->addWidget(elevationLatLon_, 5, 0, 1, 2);
    elevationCorners_ = CornerEdits(grid, 6, "EditElev", TF2sInputForm::tr("des élévations"));
    subdivideTolerance_ = Spin(grid, 10, "SESubTolerance", TF2sInputForm::tr("Subdivise Tolérance"), 0);
    subdivideDensity_ = Spin(grid, 11, "SESubDensity", TF2sInputForm::tr("Subdivise Densité"), 0);
    grid->setRowStretch(12, 1);
    return group;
}

QWidget* TF2sInputForm::GlobeTileAndPodGroup() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* globe = new QGroupBox(QStringLiteral("GlobeTile"));
    auto* grid = new QGridLayout(globe);
    globeTile_ = Check("CBGlobeTile", TF2sInputForm::tr("Specific Globetile autorisé"), false);
    grid->addWidget(globeTile_, 0, 0, 1, 2);
    globeTileX_ = Spin(grid, 1, "SEGlobeX", TF2sInputForm::tr("Globe Tile X"), 0);
    globeTileZ_ = Spin(grid, 2, "SEGlobeZ", TF2sInputForm::tr("Globe Tile Z"), 0);
    QPushButton* list = Button("BtnGlobeTiles", TF2sInputForm::tr("Liste GlobeTiles"), nullptr);
    list->setEnabled(false);
    list->setVisible(false);
    grid->addWidget(list, 3, 0, 1, 2);
    auto* pod = new QGroupBox(QStringLiteral("POD"));
    auto* podLayout = new QVBoxLayout(pod);
    podCreate_ = Check("CBPodCreate", TF2sInputForm::tr("Créer POD"), true);
    podLayout->addWidget(podCreate_);
    podLayout->addWidget(
        Button("BtnPodName", TF2sInputForm::tr("Créer nom fichier Pod"), &TF2sInputForm::PodNameClick));
    podFile_ = Edit("EditPod", TF2sInputForm::tr("Fichier POD"));
    podLayout->addWidget(podFile_);
    podLayout->addStretch();
    layout->addWidget(globe);
    layout->addWidget(pod, 1);
    return row;
}

QWidget* TF2sInputForm::ActionButtons() {
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(Button("BtnWriteSlicer", TF2sInputForm::tr("Créer FLY!2 Slicerfile"),
                           &TF2sInputForm::WriteSlicerFileClick),
                    0, 0);
    grid->addWidget(Button("BtnWriteSCF", TF2sInputForm::tr("Ecrire fichier *.SCF"),
                           &TF2sInputForm::WriteSceneryControlClick),
                    0, 1);
    grid->addWidget(
        Button("BtnStartSlicer", TF2sInputForm::tr("Lancer fly2slice.exe"), &TF2sInputForm::StartSlicerClick),
        0, 2);
    grid->addWidget(
        Button("BtnSaveValues", TF2sInputForm::tr("Enregistrer valeurs"), &TF2sInputForm::SaveValuesClick), 1,
        0);
    grid->addWidget(
        Button("BtnLoadValues", TF2sInputForm::tr("Charger valeurs"), &TF2sInputForm::LoadValuesClick), 1, 1);
    grid->addWidget(Button("BtnBack", TF2sInputForm::tr("Retour au principal"), &TF2sInputForm::hide), 1, 2);
    return box;
}

QCheckBox* TF2sInputForm::Check(const char* name, const QString& caption, bool checked) {
    auto* box = new QCheckBox(caption);
    box->setObjectName(name);
    box->setChecked(checked);
    return box;
}

QSpinBox* TF2sInputForm::Spin(QGridLayout* grid, int row, const char* name, const QString& caption,
                              int value) {
    auto* spin = new QSpinBox;
    spin->setObjectName(name);
    spin->setAccessibleName(caption);
    spin->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    spin->setValue(value);
    auto* label = new QLabel(caption);
    label->setBuddy(spin);
    grid->addWidget(label, row, 0);
    grid->addWidget(spin, row, 1);
    return spin;
}

QLineEdit* TF2sInputForm::Edit(const char* name, const QString& accessibleName) {
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    edit->setAccessibleName(accessibleName);
    return edit;
}

QPushButton* TF2sInputForm::Button(const char* name, const QString& caption,
                                   void (TF2sInputForm::*action)()) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    if (action)
        connect(button, &QPushButton::clicked, this, action);
    return button;
}

TF2sInputForm::Corners TF2sInputForm::CornerEdits(QGridLayout* grid, int row, const char* prefix,
                                                  const QString& what) {
    const auto add = [&](int offset, const char* suffix, const QString& caption) {
        QLineEdit* edit = Edit((QByteArray(prefix) + suffix).constData(), caption + u' ' + what);
        edit->setMinimumWidth(
            edit->fontMetrics().horizontalAdvance(QStringLiteral("-000.000000000000000000")) + 16);
        auto* label = new QLabel(caption);
        label->setBuddy(edit);
        grid->addWidget(label, row + offset, 0);
        grid->addWidget(edit, row + offset, 1);
        return edit;
    };
    return {add(0, "LLLat", TF2sInputForm::tr("Latitude bas gauche")),
            add(1, "LLLon", TF2sInputForm::tr("Longitude bas gauche")),
            add(2, "URLat", TF2sInputForm::tr("Latitude haut droite")),
            add(3, "URLon", TF2sInputForm::tr("Longitude haut droite"))};
}

void TF2sInputForm::ApplyEnabling() {
    nightCutoff_->setEnabled(nightCreate_->isChecked());
    const bool elevations = elevationsCreate_->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{
             elevationCorners_.lowerLeftLat, elevationCorners_.lowerLeftLon, elevationCorners_.upperRightLat,
             elevationCorners_.upperRightLon, elevationLatLon_, samplesX_, samplesY_, subdivideTolerance_,
             subdivideDensity_})
        w->setEnabled(elevations);
    globeTileX_->setEnabled(globeTile_->isChecked());
    globeTileZ_->setEnabled(globeTile_->isChecked());
}
