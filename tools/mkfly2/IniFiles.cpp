#include "IniFiles.h"

#include "FileWriting.h"

namespace {

// Options as a user's fly.ini looks after a few sessions: sections, keys the tuning window recommends
// and keys it doesn't know, a comment, a hand-edited key with blanks around it, a value holding "=",
// and a latin-1 byte in a comment.
constexpr const char* FlyIni =
    "[Graphics]\r\n"
    "autoFullScreen=0\r\n"
    "useDirect3D=1\r\n"
    "screenWidth=1024\r\n"
    "screenHeight=768\r\n"
    "bitsPerPixel=16\r\n"
    "autoStretchMainWindow=1\r\n"
    "forceFullWidthMainWindow=1\r\n"
    "\r\n"
    "[Sim]\r\n"
    "; r\xE9glages modifi\xE9s \xE0 la main\r\n"
    "percentOfWindOnGround=50\r\n"
    "ignoreSlopeWind=0\r\n"
    "ignoreTurbulence=0\r\n"
    "nullzone=3\r\n"
    " rotorDamperAdjust = 25\r\n"
    "noRotorTorque=0\r\n"
    "allowDLLFiles=1\r\n"
    "searchPodFilesFirst=1\r\n"
    "\r\n"
    "[Scenery]\r\n"
    "viewableTaxiwayLightDistance=150000\r\n"
    "runwayLightFogPenetration=1000\r\n"
    "lightIntensityTaxiway=0.100000\r\n"
    "lightScalarNight=25\r\n"
    "defaultAirport=KDFW\r\n"
    "\r\n"
    "[UI]\r\n"
    "askBeforeExiting=1\r\n"
    "mouseScrollingEnabled=1\r\n"
    "lastFlight=flights\\default.flt\r\n"
    "windowTitle=Fly! II = Kestrel\r\n";

// Texture counts per size in the main, AGP and local-memory sections, a few other settings, one key
// with a blank before "=" and one value with blanks after it.
constexpr const char* RenderIni =
    "; Fly! II renderer settings\r\n"
    "[Renderer]\r\n"
    "device=0\r\n"
    "useHardwareTnL=1\r\n"
    "maxTextures32=200\r\n"
    "maxTextures32_565=100\r\n"
    "maxTextures64=128\r\n"
    "maxTextures64_565=64\r\n"
    "maxTextures128=64\r\n"
    "maxTextures128_565=32\r\n"
    "maxTextures256=40\r\n"
    "maxTextures256_565=20\r\n"
    "maxTextures512=8 \r\n"
    "maxTextures512_565=999\r\n"
    "maxTextures1024=2\r\n"
    "maxTextures1024_565=1\r\n"
    "textureDetail =2\r\n"
    "\r\n"
    "[AGP]\r\n"
    "maxTextures128=32\r\n"
    "maxTextures256=16\r\n"
    "\r\n"
    "[NonAGP]\r\n"
    "maxTextures64=64\r\n"
    "maxTextures256=8\r\n"
    "\r\n"
    "[Terrain]\r\n"
    "maxTextures256=12\r\n"
    "terrainDetail=3\r\n";

}  // namespace

void WriteIniFiles(const MkFly2Options& options) {
    WriteTextFile(options.folder / "system" / "fly.ini", FlyIni);
    WriteTextFile(options.folder / "system" / "render.ini", RenderIni);
}
