#include "commandline.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace tessuvo {

namespace {

// The options that QApplication and its X11 platform read, named without their dash: Qt takes
// each with one dash or two. Those with a value take the next argument, or the part after "="
// where a prefix is listed.
constexpr std::string_view QtOptionsWithValue[] = {"platform",
                                                   "platformpluginpath",
                                                   "platformtheme",
                                                   "plugin",
                                                   "qwindowgeometry",
                                                   "geometry",
                                                   "qwindowtitle",
                                                   "title",
                                                   "qwindowicon",
                                                   "icon",
                                                   "session",
                                                   "style",
                                                   "stylesheet",
                                                   "display",
                                                   "name",
                                                   "visual"};
constexpr std::string_view QtFlags[] = {"reverse", "testability", "widgetcount", "nograb",
                                        "dograb"};
constexpr std::string_view QtPrefixes[] = {"style=", "stylesheet=", "qmljsdebugger="};

bool Listed(const auto& list, std::string_view name)
{
    return std::ranges::find(list, name) != std::end(list);
}

} // namespace

const char* const UsageText =
    "使い方: tessuvo [オプション]\n"
    "HTML を手で書く人のための色のツールです。背景色と文字色を RGB のスクロールバー、\n"
    "値の入力、パレット、スポイトで決めて並べて見せ、色の値、BODY/FONT タグ、\n"
    "グラデーションタグをクリップボードに置きます。\n"
    "\n"
    "  -h, --help   この説明を表示して終了します。\n"
    "  --version    バージョンを表示して終了します。\n"
    "Qt のオプション (-platform 名前、-style 名前、-display 画面 など) は Qt に渡します。\n";

CommandLine ReadCommandLine(int argc, char* argv[])
{
    CommandLine command;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            command.action = CommandLine::Action::PrintUsage;
            continue;
        }
        if (arg == "--version") {
            if (command.action == CommandLine::Action::Run)
                command.action = CommandLine::Action::PrintVersion;
            continue;
        }
        std::string_view name = arg;
        if (name.starts_with("--"))
            name.remove_prefix(2);
        else if (name.starts_with("-"))
            name.remove_prefix(1);
        else
            name = {};
        if (Listed(QtOptionsWithValue, name)) {
            ++i;
            continue;
        }
        if (Listed(QtFlags, name) ||
            std::ranges::any_of(QtPrefixes, [&](auto p) { return name.starts_with(p); }))
            continue;
        return {CommandLine::Action::Refuse, arg};
    }
    return command;
}

void ReportRefusedOption(std::string_view argument)
{
    std::fprintf(stderr, "tessuvo: 不明なオプションです: %.*s (使い方は tessuvo --help)\n",
                 static_cast<int>(argument.size()), argument.data());
}

} // namespace tessuvo
