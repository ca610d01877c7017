#include "initune/FlyIniTuning.h"

#include "fs/FileUtils.h"
#include "fs/NativeFs.h"
#include "fs/TextLines.h"
#include "initune/IniLoading.h"

#include <algorithm>

#include <QCoreApplication>

namespace {

// The simulator's own name for the switch that lets the user adjust the sky.
const char* const SkyAdjustKey = "allowSkyAdjustment";

int FindName(const IniGrid& grid, const QString& key) {
    const QString wanted = key.toUpper();
    for (int row = 0; row < grid.RowCount(); ++row) {
        if (grid.Cell(row, 0).toUpper() == wanted)
            return row;
    }
    return -1;
}

int AppendRecommendation(IniGrid& grid, const QString& key, const QString& value) {
    const int row = grid.AppendRow();
    grid.SetCell(row, 0, key);
    grid.SetCell(row, grid.recColumn, value);
    return row;
}

} // namespace

// A table of data, one recommended key=value a line, in the order the file is written: it stays whole.
QStringList DefaultRecommendations() {
    return {
        "autoFullScreen=1",
        "useDirect3D=1",
        "percentOfWindOnGround=20",
        "allowDLLFiles=1",
        "NullZone=1",
        "noRotorTorque=0",
        "noRotorSideForce=0",
        "noRotorTranslationalLift=0",
        "noRotorTranslationalRoll=0",
        "noRotorIcing=0",
        "noRotorDensityEffects=0",
        "noRotorGyroEffects=0",
        "rotorDamperAdjust=40",
        "rotorHoverAdjust=40",
        "ignoreRotorIcing=0",
        "ignoreWheelDamage=0",
        "ignorePropDamage=0",
        "ignoreRotorDamage=0",
        "ignoreWingDamage=0",
        "ignoreEngineDamage=0",
        "ignoreTurbulence=0",
        "ignoreSlopeWind=1",
        "noRotorSettlingEffect=0",
        "noRotorGroundEffect=0",
        "askUserForGraphicSettings=0",
        "defaultStartScreen=0",
        "askBeforeExiting=0",
        "searchPodFilesFirst=0",
        "allowDebugInfo=1",
        QString::fromLatin1(SkyAdjustKey) + "=1",
        "mouseScrollingEnabled=1",
        "autoStretchMainWindow=0",
        "forceFullWidthMainWindow=1",
        "useIFRPanels=0",
        "drawCockpitArrows=0",
        "suspendOnTaskSwitch=1",
        "editorSliceBitsPerPixel=8",
        "viewableTaxiwayPavementDistance=50000",
        "viewableTaxiwayLightDistance=300000",
        "markingTotalFadeOutDistance=30380",
        "viewableTaxiwayHeight=100000",
        "viewableTaxiwayMarkingDistance=3000",
        "runwayLightFogPenetration=1000",
        "lightScalarDusk=50",
        "lightScalarDawn=50",
        "lightScalarDay=100",
        "lightScalarNight=25",
        "runwayLightDistanceFadeMinFeet=12152",
        "runwayLightDistanceFadeMaxFeet=30380",
        "runwayLightDistanceFadeMaxRatio=75",
        "lightIntensityStandard=0.500000",
        "lightIntensityCenterline=0.500000",
        "lightIntensityTouchdown=0.500000",
        "lightIntensityALSF=1.000000",
        "lightIntensityRAIL=2.000000",
        "lightIntensityVASI=3.000000",
        "lightIntensityREIL=3.000000",
        "lightIntensityTaxiway=0.070000",
        "showServiceNames=1",
        "showATCScrollingText=1",
        "forceLargeAirportsInList=1",
        "useEnvLighting=1",
    };
}

QString RecommendationsFile(const QString& programFolder) {
    const QString file = WithBackslash(programFolder) + "flyinirec.txt";
    if (!FileExists(file)) {
        QByteArray text;
        for (const QString& line : DefaultRecommendations())
            text += IniGrid::Encode(line) + "\r\n";
        // A file that can't be made leaves the grid's column of recommendations empty, which shows.
        (void)WriteFileAtomic(file, text);
    }
    return file;
}

QStringList LoadRecommendations(const QString& programFolder) {
    QStringList lines;
    if (const auto bytes = ReadWholeFile(RecommendationsFile(programFolder))) {
        for (const QByteArray& line : SplitLines(*bytes))
            lines.append(IniGrid::Decode(line));
    }
    return lines;
}

Result<bool> LoadFlyIni(IniGrid& grid, const QString& path, const QString& programFolder) {
    const Result<bool> loaded =
        LoadIniPage(grid, IniMode::FlyIni, 1, QCoreApplication::translate("IniTuning", "Recommended"),
                    &IniGrid::recColumn, path);
    if (loaded && *loaded)
        MergeRecommendations(grid, LoadRecommendations(programFolder));
    return loaded;
}

void MergeRecommendations(IniGrid& grid, const QStringList& recommendations) {
    QStringList pending = recommendations;
    for (QString& line : pending) {
        const qsizetype equals = line.indexOf('=');
        if (equals < 0)
            continue;
        const int row = FindName(grid, line.left(equals));
        if (row >= 0) {
            grid.SetCell(row, grid.recColumn, line.mid(equals + 1));
            line = QStringLiteral("DONE");
        }
    }
    for (const QString& line : pending) {
        const qsizetype equals = line.indexOf('=');
        if (line != QLatin1String("DONE") && equals >= 0)
            AppendRecommendation(grid, line.left(equals), line.mid(equals + 1));
    }
}

int SetRecommendation(IniGrid& grid, const QString& key, const QString& value) {
    const int row = FindName(grid, key);
    if (row < 0)
        return AppendRecommendation(grid, key, value);
    grid.SetCell(row, grid.recColumn, value);
    return row;
}

void ApplyRecommendations(IniGrid& grid) {
    for (int row = grid.fixedRows; row < grid.RowCount(); ++row) {
        const QString recommended = grid.Cell(row, grid.recColumn);
        if (!recommended.isEmpty() && recommended != grid.Cell(row, grid.oldColumn))
            grid.SetCell(row, grid.newColumn, recommended);
    }
}

std::optional<int> SearchName(IniGrid& grid, const QString& text) {
    for (int row = std::max(grid.searchPosition, 0); row < grid.RowCount(); ++row) {
        const QString name = grid.Cell(row, 0);
        if (text.isEmpty() ? name.isEmpty() : name.contains(text, Qt::CaseInsensitive)) {
            grid.searchPosition = row;
            return row;
        }
    }
    grid.searchPosition = -1;
    return std::nullopt;
}
