#include "tools/datagen/datagen.h"

#include <cstdio>
#include <filesystem>
#include <set>
#include <sstream>

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

std::vector<Output> Outputs() {
    std::vector<Output> out;
    auto add = [&](Output::Folder folder, const std::string& name, std::function<Bytes()> make) {
        out.push_back({folder, name, std::move(make)});
    };
    auto text = [](std::string t) { return Bytes(t.begin(), t.end()); };

    // Distribution folder.
    const std::vector<Skin> skins = MakeSkins();
    const std::vector<DigitStrip> strips = MakeDigitStrips();
    for (const Skin& s : skins) add(Output::Dist, s.file, [image = s.image] { return EncodeBmp24(image); });
    for (const DigitStrip& s : strips) add(Output::Dist, s.file, [image = s.image] { return EncodeBmp24(image); });
    // The same skins and strips drawn for screens of 2 and 3 times the DPI.
    for (int k : {2, 3}) {
        for (const Skin& s : MakeSkins(k)) add(Output::Dist, s.file, [image = s.image] { return EncodeBmp24(image); });
        for (const DigitStrip& s : MakeDigitStrips(k))
            add(Output::Dist, s.file, [image = s.image] { return EncodeBmp24(image); });
    }
    add(Output::Dist, "Ticora.ini", [=] { return text(SettingsIni(skins, strips)); });
    add(Output::Dist, "clockIcons_combin.bmp", [] { return EncodeBmp24(MakeImageStrip()); });
    add(Output::Dist, "WndBackgnd.bmp", [] { return EncodeBmp24(MakeMessageBoardPicture()); });
    add(Output::Dist, "warning.bmp", [] { return EncodeBmp24(MakeWarningPicture()); });
    // The same pictures for screens of 2 and 3 times the DPI: data files beside
    // the programs, never resources (the programs' sizes are budgeted).
    for (int k : {2, 3}) {
        add(Output::Dist, ScaledName("clockIcons_combin", k), [k] { return EncodeBmp24(MakeImageStrip(k)); });
        add(Output::Dist, ScaledName("WndBackgnd", k), [k] { return EncodeBmp24(MakeMessageBoardPicture(k)); });
        add(Output::Dist, ScaledName("warning", k), [k] { return EncodeBmp24(MakeWarningPicture(k)); });
        add(Output::Dist, ScaledName("about_ticora", k), [k] { return EncodeBmp8(MakeAboutBanner(IconKind::Clock, k)); });
        add(Output::Dist, ScaledName("about_belvane", k),
            [k] { return EncodeBmp8(MakeAboutBanner(IconKind::ThemeEditor, k)); });
    }
    add(Output::Dist, "Help/help.htm", [=] { return text(HelpPage()); });
    for (int mode : {12, 24}) {
        const std::string dir = mode == 12 ? "Themes/Bells12/" : "Themes/Bells24/";
        add(Output::Dist, dir + "theme.ini", [=] { return text(ThemeIni(mode)); });
        for (int key = 1; key <= mode; ++key) {
            char name[32];
            std::snprintf(name, sizeof name, "Hour%02d.wav", key);
            add(Output::Dist, dir + name, [=] {
                return EncodeWav16Mono(ChimeSamples(StrokesForKey(key), EveningKey(key, mode)), kSampleRate);
            });
        }
    }

    // Files for the resource compiler.
    add(Output::Gen, "ticora.ico", [] { return MakeIconFile(IconKind::Clock); });
    add(Output::Gen, "belvane.ico", [] { return MakeIconFile(IconKind::ThemeEditor); });
    add(Output::Gen, "dorvix.ico", [] { return MakeIconFile(IconKind::Helper); });
    add(Output::Gen, "hand.cur", [] { return EncodeMonoCursor(HandCursorPixels(), kHandHotX, kHandHotY); });
    add(Output::Gen, "about_ticora.bmp", [] { return EncodeBmp8(MakeAboutBanner(IconKind::Clock)); });
    add(Output::Gen, "about_belvane.bmp", [] { return EncodeBmp8(MakeAboutBanner(IconKind::ThemeEditor)); });
    return out;
}

std::string ListedName(const Output& output) {
    return (output.folder == Output::Dist ? "dist/" : "gen/") + output.name;
}

std::vector<std::string> CompareWithDeclared(const std::string& declared, const std::vector<Output>& outputs) {
    std::vector<std::string> problems;
    std::set<std::string> listed;
    std::istringstream in(declared);
    std::string line;
    while (std::getline(in, line)) {
        const size_t hash = line.find('#');
        if (hash != std::string::npos) line.erase(hash);
        const size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos) continue;
        line = line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
        if (!listed.insert(line).second) problems.push_back(line + " is declared twice");
    }
    std::set<std::string> written;
    for (const Output& o : outputs) {
        const std::string name = ListedName(o);
        written.insert(name);
        if (!listed.count(name)) problems.push_back(name + " is written but not declared");
    }
    for (const std::string& name : listed)
        if (!written.count(name)) problems.push_back(name + " is declared but not written");
    return problems;
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
    // Stops writing at the first failure and reports that file.
    for (const Output& o : Outputs()) {
        const std::string path = Join(o.folder == Output::Dist ? distDir : genDir, o.name);
        if (!WriteFile(path, o.make())) {
            if (error) *error = path;
            return false;
        }
    }
    return true;
}

}  // namespace datagen
