#include "TemplateFiles.h"

#include "FileWriting.h"

#include "platform/NativeFs.h"
#include "pod/FlyFile.h"

TriDbTemplate LoadTemplate(const DatabaseSpec& spec, bool firstRelease) {
    const std::string text = spec.TemplateText(firstRelease);
    FlyFile image;
    image.Set(reinterpret_cast<const uint8_t*>(text.data()), static_cast<uint32_t>(text.size()),
              "DATABASE\\" + spec.base + ".DBT", 0);
    TriDbTemplate recordTemplate;
    recordTemplate.LoadFromImage(image);
    return recordTemplate;
}

void WriteTemplateFile(const std::string& fly, const DatabaseSpec& spec) {
    WriteTextFile(NativePath(fly + "DATABASE\\" + spec.base + ".DBT"), spec.TemplateText(false));
}
