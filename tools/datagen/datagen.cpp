#include "tools/datagen/datagen.h"

#include <cstdio>
#include <filesystem>

#include "tools/datagen/encoders.h"
#include "tools/datagen/help_page.h"
#include "tools/datagen/pictures.h"
#include "tools/datagen/sounds.h"

namespace datagen {

namespace {

std::string List(const char* section, const std::vector<std::string>& files) {
    std::string text = std::string("[") + section + "]\r\n";
    text += "nTotal=" + std::to_string(files.size()) + "\r\nnCurrent=1\r\n";
    for (size_t i = 0; i < files.size(); ++i) {
        char key[32];
        std::snprintf(key, sizeof key, "sFile%02u", static_cast<unsigned>(i + 1));
        text += std::string(key) + "=" + files[i] + "\r\n";
    }
    return text;
}

std::string Join(const std::string& dir, const std::string& name) {
    if (dir.empty() || dir.back() == '/') return dir + name;
    return dir + "/" + name;
}

}  // namespace

std::string SettingsIni(const std::vector<Skin>& skins, const std::vector<DigitStrip>& strips) {
    std::string text =
        "[SYSTEM]\r\n"
        "bSignalClock=0\r\n"
        "bClockMode=0\r\n"
        "bAffairRemind=1\r\n"
        "sSignalFile=\r\n"
        "bTransparent=0\r\n"
        "nTransparence=255\r\n"
        "nMessageWait=10\r\n"
        "nShutdownWait=30\r\n"
        "nLostPosLeft=200\r\n"
        "nLastPostop=200\r\n"
        "bAutoStart=0\r\n"
        "\r\n";
    std::vector<std::string> names;
    for (const Skin& s : skins) names.push_back(s.file);
    text += List("BACKGROUND", names) + "\r\n";
    names.clear();
    for (const DigitStrip& s : strips) names.push_back(s.file);
    text += List("NUMBER", names);
    return text;
}

bool GenerateAll(const std::string& distDir, const std::string& genDir, std::string* error) {
    // Both output folders must exist or be creatable before anything is drawn.
    for (const std::string& dir : {distDir, genDir}) {
        std::error_code ec;
        std::filesystem::create_directories(dir, ec);
        if (!std::filesystem::is_directory(dir, ec)) {
            if (error) *error = dir;
            return false;
        }
    }
    bool ok = true;
    // Stops writing at the first failure and reports that file.
    auto put = [&](const std::string& path, const Bytes& data) {
        if (ok && !WriteFile(path, data)) {
            if (error) *error = path;
            ok = false;
        }
    };
    auto putText = [&](const std::string& path, const std::string& text) { put(path, Bytes(text.begin(), text.end())); };

    // Distribution folder.
    std::vector<Skin> skins = MakeSkins();
    std::vector<DigitStrip> strips = MakeDigitStrips();
    for (const Skin& s : skins) put(Join(distDir, s.file), EncodeBmp24(s.image));
    for (const DigitStrip& s : strips) put(Join(distDir, s.file), EncodeBmp24(s.image));
    putText(Join(distDir, "Ticora.ini"), SettingsIni(skins, strips));
    put(Join(distDir, "clockIcons_combin.bmp"), EncodeBmp24(MakeImageStrip()));
    put(Join(distDir, "WndBackgnd.bmp"), EncodeBmp24(MakeMessageBoardPicture()));
    put(Join(distDir, "warning.bmp"), EncodeBmp24(MakeWarningPicture()));
    putText(Join(distDir, "Help/help.htm"), HelpPage());
    for (int mode : {12, 24}) {
        const std::string dir = Join(distDir, mode == 12 ? "Themes/Bells12" : "Themes/Bells24");
        putText(Join(dir, "theme.ini"), ThemeIni(mode));
        for (int key = 1; key <= mode; ++key) {
            char name[32];
            std::snprintf(name, sizeof name, "Hour%02d.wav", key);
            put(Join(dir, name), EncodeWav16Mono(ChimeSamples(StrokesForKey(key), EveningKey(key, mode)), kSampleRate));
        }
    }

    // Files for the resource compiler.
    put(Join(genDir, "ticora.ico"), MakeIconFile(IconKind::Clock));
    put(Join(genDir, "belvane.ico"), MakeIconFile(IconKind::ThemeEditor));
    put(Join(genDir, "dorvix.ico"), MakeIconFile(IconKind::Helper));
    put(Join(genDir, "hand.cur"), EncodeMonoCursor(HandCursorPixels(), kHandHotX, kHandHotY));
    put(Join(genDir, "about_ticora.bmp"), EncodeBmp8(MakeAboutBanner(IconKind::Clock)));
    put(Join(genDir, "about_belvane.bmp"), EncodeBmp8(MakeAboutBanner(IconKind::ThemeEditor)));
    return ok;
}

}  // namespace datagen
