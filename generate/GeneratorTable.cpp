#include "generate/GeneratorTable.h"

#include <cstring>

namespace {
//                                     C++    header  DFM
constexpr std::array<bool, 3> kCppOnly{true, false, false};
constexpr std::array<bool, 3> kCppAndDfm{true, false, true};

constexpr std::array<GeneratorInfo, 3> kGenerators = {{
    {GeneratorKind::WithoutResourceFile, "CreateFormOnLoad1", 26, kCppAndDfm, false, OutputKind::CppCode,
     ".norc.cpp", writeCodeWithoutResourceFile},
    {GeneratorKind::ForResourceFile, "CreateLoadTextRC1", 32, kCppOnly, true, OutputKind::CppCode, ".loadrc.cpp",
     writeCodeForResourceFile},
    {GeneratorKind::ResourceScript, "CreateRCFile1", 33, kCppOnly, true, OutputKind::ResourceScript, ".rc",
     writeResourceScript},
}};

// generator() finds a kind by its place.
static_assert([] {
    for (size_t i = 0; i < kGenerators.size(); ++i)
        if (kGenerators[i].kind != GeneratorKind(i))
            return false;
    return true;
}());
} // namespace

const std::array<GeneratorInfo, 3> &generators()
{
    return kGenerators;
}

const GeneratorInfo &generator(GeneratorKind kind)
{
    return kGenerators[size_t(kind)];
}

QString GeneratorInfo::menuCaption(Language lang) const
{
    for (const CaptionEntry &e : captionTable())
        if (std::strcmp(e.objectName, menuItem) == 0)
            return e.text(lang);
    return QString();
}

std::optional<QStringList> GeneratorInfo::lines(const GeneratorInput &in) const
{
    QStringList out;
    if (!write(in, [&out](const QString &line) { out << line; }))
        return std::nullopt;
    return out;
}
