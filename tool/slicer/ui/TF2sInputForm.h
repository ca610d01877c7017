#pragma once

#include "slicer/SlicerSettings.h"

#include <QWidget>

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QSpinBox;
class TFCutLLInput;

// Window "Créer un fichier d'entrée pour fly2slice": the options of the terrain slicer, the writers of
// its input file, of the scenery control file and of the saved values, and the start of fly2slice.exe.
class TF2sInputForm final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TF2sInputForm)
  public:
    explicit TF2sInputForm(QWidget* parent = nullptr);

    SlicerSettings Gather() const;
    // Setting a check box runs its enabling rule.
    void Apply(const SlicerSettings& settings);
    // The coordinate dialog of the Lat/Lon buttons, made at start-up with the other windows.
    void SetCoordinatesDialog(TFCutLLInput& dialog) { coordinates_ = &dialog; }

  private:
    struct Corners {
        QLineEdit* lowerLeftLat;
        QLineEdit* lowerLeftLon;
        QLineEdit* upperRightLat;
        QLineEdit* upperRightLon;
    };

    QWidget* TexturesGroup();
    QWidget* ElevationsGroup();
    QWidget* GlobeTileAndPodGroup();
    QWidget* ActionButtons();
    QCheckBox* Check(const char* name, const QString& caption, bool checked);
    QSpinBox* Spin(QGridLayout* grid, int row, const char* name, const QString& caption, int value);
    QLineEdit* Edit(const char* name, const QString& accessibleName);
    QPushButton* Button(const char* name, const QString& caption, void (TF2sInputForm::*action)());
    Corners CornerEdits(QGridLayout* grid, int row, const char* prefix, const QString& what);
    void ApplyEnabling();

    void ReadTgaClick();
    void ReadRasClick();
    void TexturesLatLonClick();
    void ElevationsLatLonClick();
    void AskCorners(const Corners& corners);
    void PodNameClick();
    void WriteSlicerFileClick();
    void WriteSceneryControlClick();
    void SaveValuesClick();
    void LoadValuesClick();
    void StartSlicerClick();

    TFCutLLInput* coordinates_ = nullptr;
    QCheckBox* texturesCreate_ = nullptr;
    QCheckBox* texturesDistance_ = nullptr;
    QCheckBox* nightCreate_ = nullptr;
    QSpinBox* nightCutoff_ = nullptr;
    QCheckBox* waterMask_ = nullptr;
    QCheckBox* waterPure_ = nullptr;
    QLineEdit* textureFile_ = nullptr;
    Corners textureCorners_{};
    QPushButton* textureLatLon_ = nullptr;
    QCheckBox* keepExisting_ = nullptr;
    QCheckBox* elevationsCreate_ = nullptr;
    QLineEdit* elevationData_ = nullptr;
    QSpinBox* samplesX_ = nullptr;
    QSpinBox* samplesY_ = nullptr;
    Corners elevationCorners_{};
    QPushButton* elevationLatLon_ = nullptr;
    QSpinBox* subdivideTolerance_ = nullptr;
    QSpinBox* subdivideDensity_ = nullptr;
    QCheckBox* globeTile_ = nullptr;
    QSpinBox* globeTileX_ = nullptr;
    QSpinBox* globeTileZ_ = nullptr;
    QCheckBox* podCreate_ = nullptr;
    QLineEdit* podFile_ = nullptr;
};
