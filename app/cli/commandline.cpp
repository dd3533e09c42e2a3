#include "commandline.h"

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <utility>

namespace tessuvo {

namespace {

using Action = CommandLine::Action;

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

std::string Refusal(std::string_view why)
{
    return "tessuvo: " + std::string(why) + " (使い方は tessuvo --help)";
}

class Reader
{
public:
    Reader(int argc, char* argv[]) : m_argv(argv), m_argc(argc)
    {
        m_command.qtArguments.push_back(argv[0]);
    }

    CommandLine Read()
    {
        while (m_refusal.empty() && m_next < m_argc)
            ReadArgument();
        if (m_refusal.empty() && !m_help && !m_version)
            CheckCombination();
        if (!m_refusal.empty()) {
            CommandLine refused;
            refused.action = Action::Refuse;
            refused.refusal = std::move(m_refusal);
            return refused;
        }
        if (m_help)
            m_command.action = Action::PrintUsage;
        else if (m_version)
            m_command.action = Action::PrintVersion;
        return std::move(m_command);
    }

private:
    void ReadArgument()
    {
        char* const argument = m_argv[m_next++];
        const std::string_view arg = argument;
        // "--format=hex": the value after the sign, for the options that take one.
        const std::size_t sign = arg.starts_with("--") ? arg.find('=') : std::string_view::npos;
        const std::string_view name = arg.substr(0, sign);
        if (sign != std::string_view::npos)
            m_attached = arg.substr(sign + 1);
        else
            m_attached.reset();

        if (name == "-h" || name == "--help")
            m_help = Flag(arg);
        else if (name == "--version")
            m_version = Flag(arg);
        else if (name == "--copy")
            m_command.copy = Flag(arg);
        else if (name == "--pick")
            Command(Action::Pick, name, arg, {});
        else if (name == "--convert")
            Command(Action::Convert, name, arg, {"色"});
        else if (name == "--contrast")
            Command(Action::Contrast, name, arg, {"文字色", "背景色"});
        else if (name == "--format")
            Format(name);
        else if (name == "--require")
            Require(name);
        else
            QtOption(argument);
    }

    // An option without a value; one given after "=" makes it no option of the program.
    bool Flag(std::string_view arg)
    {
        if (m_attached)
            m_refusal = RefusedOption(arg);
        return true;
    }

    // The values of `option`, the first of them maybe after its "=", named `what` in the
    // refusal when one is missing.
    std::vector<std::string_view> Values(std::string_view option,
                                         std::initializer_list<const char*> what)
    {
        std::vector<std::string_view> values;
        for (const char* value : what) {
            if (m_attached)
                values.push_back(*std::exchange(m_attached, std::nullopt));
            else if (m_next < m_argc)
                values.push_back(m_argv[m_next++]);
            else {
                m_refusal = Refusal(std::string(option) + " の後に" + value + "がありません");
                break;
            }
        }
        return values;
    }

    void Command(Action action, std::string_view option, std::string_view arg,
                 std::initializer_list<const char*> what)
    {
        if (m_command.action != Action::Run && m_commandOption != option) {
            m_refusal = Refusal(std::string(m_commandOption) + " と " + std::string(option) +
                                " は一緒に使えません");
            return;
        }
        m_command.action = action;
        m_commandOption = option;
        if (what.size() == 0)
            Flag(arg);
        else
            m_command.colors = Values(option, what);
    }

    void Format(std::string_view option)
    {
        const auto value = Values(option, {"形式"});
        if (value.empty())
            return;
        m_command.format = CopyFormatNamed(value[0]);
        if (!m_command.format)
            m_refusal = "tessuvo: 不明な形式です: " + std::string(value[0]) +
                        " (形式は hex, HEX, rgb, hsl, oklch, decimal)";
    }

    void Require(std::string_view option)
    {
        const auto value = Values(option, {"基準"});
        if (value.empty())
            return;
        m_command.required = ContrastLevelNamed(value[0]);
        if (!m_command.required)
            m_refusal = "tessuvo: 不明な基準です: " + std::string(value[0]) +
                        " (基準は aa, aaa, aa-large, aaa-large)";
    }

    // Qt's options go to QApplication with their values; anything else is refused.
    void QtOption(char* argument)
    {
        const std::string_view arg = argument;
        std::string_view name = arg;
        if (name.starts_with("--"))
            name.remove_prefix(2);
        else if (name.starts_with("-") && name.size() > 1)
            name.remove_prefix(1);
        else {
            m_refusal = Refusal("余分な引数です: " + std::string(arg));
            return;
        }
        m_command.qtArguments.push_back(argument);
        if (Listed(QtOptionsWithValue, name)) {
            if (m_next < m_argc)
                m_command.qtArguments.push_back(m_argv[m_next++]);
            return;
        }
        if (!Listed(QtFlags, name) &&
            !std::ranges::any_of(QtPrefixes, [&](auto p) { return name.starts_with(p); }))
            m_refusal = RefusedOption(arg);
    }

    // The options that only go with a command.
    void CheckCombination()
    {
        const Action action = m_command.action;
        if (m_command.format && action != Action::Pick && action != Action::Convert)
            m_refusal = Refusal("--format は --pick か --convert と一緒に使います");
        else if (m_command.copy && action != Action::Pick)
            m_refusal = Refusal("--copy は --pick と一緒に使います");
        else if (m_command.required && action != Action::Contrast)
            m_refusal = Refusal("--require は --contrast と一緒に使います");
    }

    char** m_argv;
    int m_argc;
    int m_next = 1;
    std::optional<std::string_view> m_attached;
    CommandLine m_command;
    std::string_view m_commandOption;
    bool m_help = false;
    bool m_version = false;
    std::string m_refusal;
};

} // namespace

const char* const UsageText =
    "使い方: tessuvo [オプション]\n"
    "HTML を手で書く人のための色のツールです。背景色と文字色を RGB のスクロールバー、\n"
    "値の入力、パレット、スポイトで決めて並べて見せ、色の値、BODY/FONT タグ、\n"
    "グラデーションタグをクリップボードに置きます。\n"
    "オプションがなければ窓を開きます。\n"
    "\n"
    "  --pick [--format 形式] [--copy]\n"
    "        窓を開かずにスポイトで画面の色を取り、標準出力に一行で書きます。\n"
    "        Esc キーか右クリックでやめると、何も書かずに終了します。\n"
    "        --copy を付けると、取った色をクリップボードにも置きます。\n"
    "  --convert 色 [--format 形式]\n"
    "        色を読んでその形式で書きます。形式がなければ、六つの形式を一行ずつ\n"
    "        書きます。\n"
    "  --contrast 文字色 背景色 [--require 基準]\n"
    "        二つの色のコントラスト比、普通の文字と大きな文字の AA と AAA の判定、\n"
    "        APCA Lc を書きます。--require を付けると、基準を満たすかどうかを\n"
    "        終了ステータスで返します。\n"
    "  --format 形式    hex (#12abff)、HEX (#12ABFF、既定)、rgb、hsl、oklch、\n"
    "                   decimal (18,171,255)\n"
    "  --require 基準   aa、aaa、aa-large、aaa-large\n"
    "  -h, --help       この説明を表示して終了します。\n"
    "  --version        バージョンを表示して終了します。\n"
    "\n"
    "色は CSS の色 (#777、white、rgb(0 0 0 / 50%)、oklch(0.5 0.1 200) など)、\n"
    "r,g,b、RRGGBB で書けます。透明な色は、文字色なら背景色に、ほかは白に重ねます。\n"
    "--convert と --contrast は画面がなくても動きます。\n"
    "終了ステータス: 0 成功、1 色を取らなかった・色が読めない・基準を満たさない、\n"
    "2 使い方の誤り。\n"
    "Qt のオプション (-platform 名前、-style 名前、-display 画面 など) は Qt に渡します。\n";

CommandLine ReadCommandLine(int argc, char* argv[])
{
    return Reader(argc, argv).Read();
}

std::string RefusedOption(std::string_view argument)
{
    return Refusal("不明なオプションです: " + std::string(argument));
}

} // namespace tessuvo
