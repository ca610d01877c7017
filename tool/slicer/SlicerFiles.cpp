#include "slicer/SlicerFiles.h"

#include "fs/FileUtils.h"
#include "fs/NativeFs.h"
#include "fs/NativeText.h"
#include "slicer/Coordinates.h"

#include <algorithm>
#include <array>

#include <QCoreApplication>

namespace {

using S = SlicerSettings;

// One key=value line of the input file from line 5 on (line 2 on in the values file). The values file
// writes every control as it stands; the input file writes the fallback while the gate is unchecked.
struct Field {
    const char* key;
    bool S::*flag = nullptr;
    int S::*number = nullptr;
    QString S::*text = nullptr;
    const char* fixed = nullptr;
    bool S::*gate = nullptr;
    const char* fallback = "";
};

const std::array<Field, 29> Fields = {{
    {.key = "textures.create", .flag = &S::texturesCreate},
    {.key = "textures.createDistance",
     .flag = &S::texturesDistance,
     .gate = &S::texturesCreate,
     .fallback = "false"},
    {.key = "textures.night.create",
     .flag = &S::nightCreate,
     .gate = &S::texturesCreate,
     .fallback = "false"},
    {.key = "textures.night.cutoffPercent", .number = &S::nightCutoff},
    {.key = "textures.water.create", .flag = &S::waterMask},
    {.key = "textures.water.pure", .flag = &S::waterPure},
    {.key = "textures.filename", .text = &S::textureFile, .gate = &S::texturesCreate},
    {.key = "textures.lowerLeft.latitude", .text = &S::textureLowerLeftLat, .gate = &S::texturesCreate},
    {.key = "textures.lowerLeft.longitude", .text = &S::textureLowerLeftLon, .gate = &S::texturesCreate},
    {.key = "textures.upperRight.latitude", .text = &S::textureUpperRightLat, .gate = &S::texturesCreate},
    {.key = "textures.upperRight.longitude", .text = &S::textureUpperRightLon, .gate = &S::texturesCreate},
    {.key = "textures.keepExisting", .flag = &S::keepExisting},
    {.key = "textures.colorDepth", .fixed = "8"},
    {.key = "elevations.create", .flag = &S::elevationsCreate},
    {.key = "elevations.filename",
     .text = &S::elevationData,
     .gate = &S::elevationsCreate,
     .fallback = "c:\\dummy.ras"},
    {.key = "elevations.numSamples.x", .number = &S::samplesX, .gate = &S::elevationsCreate, .fallback = "0"},
    {.key = "elevations.numSamples.y", .number = &S::samplesY, .gate = &S::elevationsCreate, .fallback = "0"},
    {.key = "elevations.lowerLeft.latitude",
     .text = &S::elevationLowerLeftLat,
     .gate = &S::elevationsCreate,
     .fallback = "0"},
    {.key = "elevations.lowerLeft.longitude",
     .text = &S::elevationLowerLeftLon,
     .gate = &S::elevationsCreate,
     .fallback = "0"},
    {.key = "elevations.upperRight.latitude",
     .text = &S::elevationUpperRightLat,
     .gate = &S::elevationsCreate,
     .fallback = "0"},
    {.key = "elevations.upperRight.longitude",
     .text = &S::elevationUpperRightLon,
     .gate = &S::elevationsCreate,
     .fallback = "0"},
    {.key = "elevations.subdivideTolerance",
     .number = &S::subdivideTolerance,
     .gate = &S::elevationsCreate,
     .fallback = "0"},
    {.key = "elevations.subdivideDensity",
     .number = &S::subdivideDensity,
     .gate = &S::elevationsCreate,
     .fallback = "0"},
    {.key = "specificGlobeTile.enabled", .flag = &S::globeTileEnabled},
    {.key = "specificGlobeTile.x", .number = &S::globeTileX, .gate = &S::globeTileEnabled},
    {.key = "specificGlobeTile.z", .number = &S::globeTileZ, .gate = &S::globeTileEnabled},
    {.key = "pod.create", .flag = &S::podCreate},
    {.key = "pod.filename", .text = &S::podFile, .gate = &S::podCreate, .fallback = "dummy.pod"},
    // fly2slice wants a volume name of this form; the address itself means nothing.
    {.key = "pod.volumeName", .fixed = "slicer@example.net:"},
}};

QString ControlValue(const S& settings, const Field& field) {
    if (field.flag)
        return settings.*field.flag ? QStringLiteral("true") : QStringLiteral("false");
    if (field.number)
        return QString::number(settings.*field.number);
    if (field.text)
        return settings.*field.text;
    return QString::fromLatin1(field.fixed);
}

QStringList FieldLines(const S& settings, bool gated) {
    QStringList lines;
    for (const Field& field : Fields) {
        const bool closed = gated && field.gate && !(settings.*field.gate);
        const QString value = closed ? QString::fromLatin1(field.fallback) : ControlValue(settings, field);
        lines << QString::fromLatin1(field.key) + u'=' + value;
    }
    return lines;
}

Done ApplyValue(S& settings, const Field& field, const QString& value) {
    if (field.flag) {
        settings.*field.flag = value.toUpper() == QStringLiteral("TRUE");
    } else if (field.number) {
        const Result<int> number = ReadWholeNumber(value);
        if (!number)
            return number.failure();
        settings.*field.number = *number;
    } else if (field.text) {
        settings.*field.text = value;
    }
    return {};
}

// The four texture corners, lower left first, as decimal degrees.
Result<std::array<long double, 4>> TextureCorners(const S& settings) {
    std::array<long double, 4> corners{};
    const QString* texts[] = {&settings.textureLowerLeftLat, &settings.textureLowerLeftLon,
                              &settings.textureUpperRightLat, &settings.textureUpperRightLon};
    for (size_t i = 0; i < corners.size(); ++i) {
        const Result<long double> corner = ReadDecimalOrZero(*texts[i]);
        if (!corner)
            return corner.failure();
        corners[i] = *corner;
    }
    return corners;
}

QString WithoutExtension(const QString& name) {
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? name : name.left(dot);
}

QString BareName(const QString& path) {
    return path.mid(path.lastIndexOf(u'/') + 1);
}

// The POD file without folder and extension. A values file written on Windows names it with '\'.
QString PodSetName(const QString& podFile) {
    return WithoutExtension(podFile.mid(std::max(podFile.lastIndexOf(u'/'), podFile.lastIndexOf(u'\\')) + 1));
}

bool AnyEmpty(std::initializer_list<QString> texts) {
    return std::any_of(texts.begin(), texts.end(), [](const QString& t) { return t.isEmpty(); });
}

} // namespace

QStringList SlicerInputLines(const SlicerSettings& settings) {
    return QStringList{"#", "# fly2slice import file", "#", " "} + FieldLines(settings, true);
}

QStringList ValuesFileLines(const SlicerSettings& settings) {
    return QStringList{QString::fromLatin1(ValuesFileHeader)} + FieldLines(settings, false);
}

Result<std::optional<SlicerSettings>> ReadValuesLines(const QStringList& lines) {
    if (lines.size() < qsizetype(Fields.size()) + 1 || lines[0] != QLatin1String(ValuesFileHeader))
        return std::optional<SlicerSettings>();
    SlicerSettings settings;
    for (size_t i = 0; i < Fields.size(); ++i) {
        const QString& line = lines[qsizetype(i) + 1];
        if (const Done applied = ApplyValue(settings, Fields[i], line.mid(line.indexOf(u'=') + 1)); !applied)
            return applied.failure();
    }
    return std::optional<SlicerSettings>(settings);
}

Result<QStringList> SceneryControlLines(const SlicerSettings& settings) {
    const Result<std::array<long double, 4>> corners = TextureCorners(settings);
    if (!corners)
        return corners.failure();
    const auto [lowLat, lowLon, highLat, highLon] = *corners;
    const QString name = PodSetName(settings.podFile);
    return QStringList{QStringLiteral("<bgno> ==== BEGIN SCENERY FILE ===="),
                       QStringLiteral("<name> ---- scenery set name ----"),
                       name,
                       QStringLiteral("<call> ---- coverage area lower left ----"),
                       DmsText(lowLat, true),
                       DmsText(lowLon, false),
                       QStringLiteral("<caur> ---- coverage area upper right ----"),
                       DmsText(highLat, true),
                       DmsText(highLon, false),
                       QStringLiteral("<ldll> ---- load lower left ----"),
                       DmsText(lowLat - 1, true),
                       DmsText(lowLon - 1, false),
                       QStringLiteral("<ldur> ---- load upper right ----"),
                       DmsText(highLat + 1, true),
                       DmsText(highLon + 1, false),
                       QStringLiteral("<file> ---- pod file ----"),
                       name + QStringLiteral(".POD"),
                       QStringLiteral("<endo> ==== END SCENERY FILE ===")};
}

QString MissingForSlicerInput(const SlicerSettings& s) {
    if (s.textureFile.isEmpty())
        return QCoreApplication::translate("SlicerFiles", "Fichier TGA nécessaire");
    if (s.podCreate && s.podFile.isEmpty())
        return QCoreApplication::translate("SlicerFiles", "Fichier POD nécessaire");
    if (s.elevationsCreate && AnyEmpty({s.elevationData, s.elevationLowerLeftLat, s.elevationLowerLeftLon,
                                        s.elevationUpperRightLat, s.elevationUpperRightLon}))
        return QCoreApplication::translate("SlicerFiles", "Fichier RAS, Elevation Lat-Lon nécessaires");
    if (s.texturesCreate && AnyEmpty({s.textureLowerLeftLat, s.textureLowerLeftLon, s.textureUpperRightLat,
                                      s.textureUpperRightLon}))
        return QCoreApplication::translate("SlicerFiles", "Texture Lat-Lon nécessaires");
    return {};
}

QString MissingForSceneryControl(const SlicerSettings& s) {
    if (AnyEmpty(
            {s.textureLowerLeftLat, s.textureLowerLeftLon, s.textureUpperRightLat, s.textureUpperRightLon}))
        return QCoreApplication::translate("SlicerFiles", "Texture Lat-Lon nécessaires");
    if (s.podFile.isEmpty())
        return QCoreApplication::translate("SlicerFiles", "Fichier POD nécessaire");
    return {};
}

QString SceneryControlPath(const QString& podFile, const QString& flyFolder) {
    const QString fly = WithBackslash(flyFolder);
    const QString scfFolder = fly + QStringLiteral("SlicerWork/SCF Files/");
    return (FolderExists(scfFolder) ? ResolvePath(scfFolder) : fly) + PodSetName(podFile) +
           QStringLiteral(".SCF");
}

QString SlicerFilesFolder(const QString& flyFolder) {
    const QString fly = WithBackslash(flyFolder);
    const QString folder = fly + QStringLiteral("SlicerWork/Slicer Files/");
    return FolderExists(folder) ? ResolvePath(folder) : fly;
}

QString SlicerInputCopyPath(const QString& inputFile) {
    const QString folder =
        WithBackslash(FolderOfFile(inputFile)) + QStringLiteral("SlicerWork/Slicer Files/");
    return FolderExists(folder) ? ResolvePath(folder) + BareName(inputFile) : QString();
}

QStringList SplitValuesLines(const QByteArray& bytes) {
    QList<QByteArray> parts = bytes.split('\n');
    if (!parts.isEmpty() && parts.last().isEmpty())
        parts.removeLast();
    QStringList lines;
    for (QByteArray& part : parts) {
        if (part.endsWith('\r'))
            part.chop(1);
        lines << FromNative(part);
    }
    return lines;
}

Done WriteLines(const QString& path, const QStringList& lines) {
    return WriteFileAtomic(path, JoinLines(lines));
}
