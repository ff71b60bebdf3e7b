// Random use: long seeded sequences of user actions on the screen calculator and the
// installation window, with the shared state checked after every action.
//
//   LUMIDEX_RANDOM_ACTIONS  number of actions (default 3000)
//   LUMIDEX_RANDOM_SEED     seed of the run (default fixed)
//
// The dialogs answer from the same generator, so a seed and a count replay a run exactly. A
// failure, a crash, a sanitizer report or an action that hangs prints the seed and the last
// actions, each with the answers the dialogs gave during it.

#include "1-state/numbertext.h"
#include "3-catalogue/throwformulas.h"
#include "4-crt/tipswindow.h"
#include "7-project/projectfile.h"
#include "9-session/session.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

using namespace lumidex;
namespace fs = std::filesystem;

namespace {

// --- the action log ------------------------------------------------------------------------
// Plain buffers, so that the crash handler and the hang watchdog can write them as they are.

constexpr std::size_t LogLines = 20;
constexpr std::size_t LogLineLength = 240;
char g_header[160];
char g_lines[LogLines][LogLineLength];
std::atomic<long> g_actions{0};
std::atomic<long long> g_actionStart{0}; // steady clock, ns; 0 between actions

char *currentLine()
{
    return g_lines[static_cast<std::size_t>(g_actions.load() - 1) % LogLines];
}

void logAction(long number, const std::string &text)
{
    g_actions = number;
    std::snprintf(currentLine(), LogLineLength, "  #%ld %s\n", number, text.c_str());
}

// A dialog's answer, added to the action that raised it; the same answer again in a row is
// counted rather than repeated.
void logAnswer(std::string text)
{
    static long lastAction = 0;
    static std::string lastText;
    static std::size_t lastAt = 0;
    static int repeats = 0;
    if (g_actions == 0)
        return;
    std::replace(text.begin(), text.end(), '\r', ' ');
    std::replace(text.begin(), text.end(), '\n', ' ');
    char *line = currentLine();
    if (lastAction == g_actions && text == lastText) {
        std::snprintf(line + lastAt, LogLineLength - lastAt, " [%s x%d]\n", text.c_str(),
                      ++repeats);
        return;
    }
    lastAction = g_actions;
    lastText = text;
    repeats = 1;
    lastAt = std::strlen(line) - 1; // without the line feed
    std::snprintf(line + lastAt, LogLineLength - lastAt, " [%s]\n", text.c_str());
}

void writeLog(int fd)
{
    auto put = [fd](const char *s) { [[maybe_unused]] auto n = ::write(fd, s, std::strlen(s)); };
    put(g_header);
    const long total = g_actions;
    for (long k = std::max(1L, total - long(LogLines) + 1); k <= total; ++k)
        put(g_lines[static_cast<std::size_t>(k - 1) % LogLines]);
}

std::string logText()
{
    std::string text = g_header;
    const long total = g_actions;
    for (long k = std::max(1L, total - long(LogLines) + 1); k <= total; ++k)
        text += g_lines[static_cast<std::size_t>(k - 1) % LogLines];
    return text;
}

extern "C" void writeLogOnDeath()
{
    writeLog(STDERR_FILENO);
}

extern "C" void crashHandler(int sig)
{
    const char *text = "\nRandom use: crashed during the last action below\n";
    [[maybe_unused]] auto n = ::write(STDERR_FILENO, text, std::strlen(text));
    writeLog(STDERR_FILENO);
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

long long nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

constexpr long long HangNs = 2'000'000'000;

unsigned long envNumber(const char *name, unsigned long fallback)
{
    const char *text = std::getenv(name);
    if (!text || !*text)
        return fallback;
    return std::strtoul(text, nullptr, 10);
}

// --- dialogs answering at random -----------------------------------------------------------

const std::vector<std::optional<std::string>> inputAnswers{
    "1.5",   "0",   "-3",   "14",   "30.5", "1e9", "abc",   "",          "12/5",
    "1.2.3", "-20", "1.78", "1.33", "0.01", "100", "1e-13", std::nullopt};

class RandomDialogs : public Dialogs
{
public:
    RandomDialogs(std::mt19937 &rng, fs::path folder) : m_rng(rng), m_folder(std::move(folder)) {}

    void message(std::string_view text, MessageIcon, std::string_view) override
    {
        logAnswer("msg: " + std::string(text.substr(0, 32)));
    }

    std::optional<std::string> input(std::string_view, std::string_view title,
                                     std::string_view) override
    {
        const auto answer = inputAnswers[pick(inputAnswers.size())];
        logAnswer(std::string(title) + ": " + (answer ? "'" + *answer + "'" : "cancel"));
        return answer;
    }

    int sxgaChoice() override
    {
        const int choice = lastSxga = static_cast<int>(pick(3)) - 1;
        logAnswer("sxga " + std::to_string(choice));
        return choice;
    }

    void showTips(TipsWindow &tips) override
    {
        int clicks = 0;
        for (; !tips.closed() && clicks < 20; ++clicks)
            tips.advance();
        logAnswer("tips, " + std::to_string(clicks) + " clicks");
        if (!tips.closed())
            tipsLeftOpen = true;
    }

    std::optional<std::string> openFileName() override
    {
        std::optional<std::string> name;
        switch (pick(6)) {
        case 0:
        case 1: {
            const std::vector<fs::path> files = projectFiles();
            if (!files.empty())
                name = files[pick(files.size())].string();
            break;
        }
        case 2:
            name = writeDamagedFile().string();
            break;
        case 3:
            name = (m_folder / "missing.lmx").string();
            break;
        case 4:
            name = "*.lmx";
            break;
        default:
            break;
        }
        logAnswer("open " + (name ? fs::path(*name).filename().string() : "cancel"));
        return name;
    }

    SaveChoice askToSave(std::string_view) override
    {
        const auto choice = static_cast<SaveChoice>(pick(3));
        logAnswer(choice == SaveChoice::Save      ? "save changes"
                  : choice == SaveChoice::Discard ? "discard changes"
                                                  : "keep changes");
        return choice;
    }

    bool confirm(std::string_view text, std::string_view, std::string_view, ConfirmDefault) override
    {
        const bool yes = pick(2) == 0;
        logAnswer(std::string(yes ? "yes: " : "no: ") + std::string(text.substr(0, 24)));
        return yes;
    }

    std::optional<std::string> saveFileName() override
    {
        std::optional<std::string> name;
        switch (pick(6)) {
        case 0:
        case 1:
        case 2:
            name = (m_folder / ("p" + std::to_string(pick(4)) + ".lmx")).string();
            break;
        case 3:
            name = (m_folder / "no such folder" / "p.lmx").string();
            break;
        case 4:
            name = "*.lmx";
            break;
        default:
            break;
        }
        logAnswer("save " + (name ? fs::path(*name).filename().string() : "cancel"));
        return name;
    }

    // The project files saved so far, in name order (the order the generator sees must not
    // depend on the file system).
    std::vector<fs::path> projectFiles() const
    {
        std::vector<fs::path> files;
        for (const auto &entry : fs::directory_iterator(m_folder)) {
            const std::string name = entry.path().filename().string();
            if (name.size() == 6 && name[0] == 'p' && entry.path().extension() == ".lmx")
                files.push_back(entry.path());
        }
        std::sort(files.begin(), files.end());
        return files;
    }

    bool tipsLeftOpen = false;
    int lastSxga = 0;

private:
    std::size_t pick(std::size_t n)
    {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(m_rng);
    }

    // Random bytes, or a saved project cut short, with a byte changed or with a strange
    // number in one of its pages.
    fs::path writeDamagedFile()
    {
        std::vector<char> bytes;
        const std::vector<fs::path> files = projectFiles();
        std::optional<Project> project;
        if (!files.empty() && pick(2) == 0)
            project = lumidex::openProjectFile(files[pick(files.size())].string(), nullptr);
        if (project) {
            static const float strange[] = {std::numeric_limits<float>::quiet_NaN(),
                                            std::numeric_limits<float>::infinity(),
                                            -std::numeric_limits<float>::infinity(),
                                            0.0f,
                                            -5.0f,
                                            1e30f,
                                            1e-30f,
                                            100000.0f,
                                            89.999f};
            PageRecord &page = project->page(1 + int(pick(std::size_t(project->pageCount()))));
            const float value = strange[pick(std::size(strange))];
            switch (pick(4)) {
            case 0:
                page.screenWidth = value;
                break;
            case 1:
                page.aspectRatio = value;
                break;
            case 2:
                page.placementAngle = value;
                page.screenPosition = pick(2) == 0 ? CustomAnglePosition : page.screenPosition;
                break;
            default:
                page.inputSignal = static_cast<std::int16_t>(int(pick(7)) - 2);
                break;
            }
            const std::vector<std::uint8_t> encoded = encodeProject(*project);
            bytes.assign(encoded.begin(), encoded.end());
        } else if (!files.empty() && pick(2) == 0) {
            std::ifstream in(files[pick(files.size())], std::ios::binary);
            bytes.assign(std::istreambuf_iterator<char>(in), {});
            if (!bytes.empty()) {
                if (pick(2) == 0)
                    bytes.resize(pick(bytes.size()));
                else
                    bytes[pick(bytes.size())] = static_cast<char>(pick(256));
            }
        } else {
            bytes.resize(pick(200));
            for (char &b : bytes)
                b = static_cast<char>(pick(256));
        }
        const fs::path path = m_folder / "damaged.lmx";
        std::ofstream(path, std::ios::binary | std::ios::trunc)
            .write(bytes.data(), std::streamsize(bytes.size()));
        return path;
    }

    std::mt19937 &m_rng;
    fs::path m_folder;
};

// The fresh window of the invariant asks nothing: a stored installation never prompts.
class SilentDialogs : public Dialogs
{
public:
    void message(std::string_view, MessageIcon, std::string_view) override {}
    std::optional<std::string> input(std::string_view, std::string_view, std::string_view) override
    {
        return std::nullopt;
    }
    int sxgaChoice() override { return -1; }
    void showTips(TipsWindow &tips) override
    {
        for (int clicks = 0; !tips.closed() && clicks < 20; ++clicks)
            tips.advance();
    }
    std::optional<std::string> openFileName() override { return std::nullopt; }
    std::optional<std::string> saveFileName() override { return std::nullopt; }
    SaveChoice askToSave(std::string_view) override { return SaveChoice::Cancel; }
    bool confirm(std::string_view, std::string_view, std::string_view, ConfirmDefault) override
    {
        return false;
    }
};

// --- the run -------------------------------------------------------------------------------

const char *dimensionName(Dimension d)
{
    return d == Dimension::Height ? "Height" : d == Dimension::Width ? "Width" : "Diagonal";
}

std::string keyName(char key)
{
    if (key == ScreenWindow::KeyBackspace)
        return "BS";
    if (key == ScreenWindow::KeyEnter)
        return "Enter";
    return std::string("'") + key + "'";
}

// Texts typed into number fields as a whole (pasted, or edited with the mouse).
const std::vector<std::string> fieldTexts{"0",   "5",     "60",   "100", "150",  "99999",
                                          "1e9", "-3",    "abc",  "",    "12/5", "1.2.3",
                                          "0.5", "32000", "1e39", "14",  "30.5"};

const std::vector<std::string> titleTexts{
    "", "Room A", "Ünïcødé € ✓", std::string(300, 'x'), "  ", "Hall 2 / rev. 3"};

class RandomUse
{
public:
    RandomUse(unsigned seed)
        : m_rng(seed),
          m_folder(fs::temp_directory_path() /
                   ("lumidex-random-" + std::to_string(::getpid()) + "-" + std::to_string(seed))),
          m_dialogs(m_rng, m_folder), m_session(m_dialogs, StartOptions{})
    {
        fs::create_directories(m_folder);
        addActions();
    }

    ~RandomUse() { fs::remove_all(m_folder); }

    // Runs `count` actions; stops at the first broken invariant and reports it.
    void run(unsigned long count)
    {
        logAction(1, "screen.calc() (start: hand the screen over)");
        screen().calc();
        if (!checkAfter(1))
            return;
        for (unsigned long n = 2; n <= count; ++n) {
            const std::size_t a =
                std::uniform_int_distribution<std::size_t>(0, m_actions.size() - 1)(m_rng);
            g_actions = long(n);
            const long long start = nowNs();
            g_actionStart = start;
            m_recalculates = false;
            const std::uint64_t recalculations = window().recalculations();
            m_actions[a](long(n));
            m_recalculated = window().recalculations() != recalculations;
            g_actionStart = 0;
            if (nowNs() - start > HangNs) {
                ADD_FAILURE() << "Random use: action #" << n << " took longer than 2 s\n"
                              << logText();
                return;
            }
            if (!checkAfter(n))
                return;
        }
    }

private:
    // After an installation-window action that recalculates: a data projector's distances
    // are those of the screen the window ends with. Empty when they are.
    std::string resultsMismatch()
    {
        const InstallationState &st = state();
        if (!m_recalculated || st.inputs.selection.isCrt())
            return {};
        const ScreenState &s = st.screen;
        const ThrowResult r =
            computeThrow(st.inputs.selection, {s.diagonal, s.width, s.aspect, st.inputs.inputSignal,
                                               st.inputs.sxgaAspectMode});
        const double offset = window().checkedThrowPoint() == 1
                                  ? modelEntry(st.inputs.selection.model).holeOffset
                                  : 0.0;
        const auto same = [](double a, double b) {
            return std::abs(a - b) <= 1e-6 * std::max(std::abs(a), std::abs(b));
        };
        if (same(st.results.throwDistance, r.throwDistance + offset) &&
            (!r.zoom || (same(st.results.throwNear, r.throwNear) &&
                         same(st.results.throwFar, static_cast<float>(r.throwFar + offset)))))
            return {};
        return "distance " + formatSingle(float(st.results.throwDistance)) + " (near " +
               formatSingle(st.results.throwNear) + ", far " + formatSingle(st.results.throwFar) +
               ") where the screen gives " + formatSingle(float(r.throwDistance + offset)) +
               " (near " + formatSingle(r.throwNear) + ", far " +
               formatSingle(float(r.throwFar + offset)) + ")";
    }

    // The whole class of stale views: a window built afresh from the shared state (with the
    // screen the view was worked out for) and the page as storing it would keep it shows
    // exactly what the window shows that got here the long way.
    std::string freshWindowMismatch()
    {
        ThrowWindow &fresh = m_fresh.throwWindow();
        const PageRecord page = document().shownPage();
        m_fresh.state() = state();
        m_fresh.state().screen = window().viewScreen();
        fresh.setTitleTexts(page.texts);
        fresh.takeStoredInputs(inputsOf(page));
        fresh.recalc();
        if (!(m_fresh.state().screen == window().viewScreen()))
            return "a correction of the screen its view was worked out for";
        const InstallationView &a = window().view();
        const InstallationView &b = fresh.view();
        if (!(a.drawing == b.drawing))
            return "another drawing" + firstDrawingDifference(a.drawing, b.drawing);
        const std::pair<const char *, bool> parts[] = {
            {"distance texts", a.distanceText == b.distanceText && a.farText == b.farText},
            {"frame texts", a.frameTitle == b.frameTitle && a.lensLabel == b.lensLabel &&
                                a.aspectModeCaption == b.aspectModeCaption &&
                                a.throwAngleText == b.throwAngleText},
            {"menu states", a.positionEnabled == b.positionEnabled &&
                                a.checkedPosition == b.checkedPosition &&
                                a.checkedThrowPoint == b.checkedThrowPoint &&
                                a.distanceEnabled == b.distanceEnabled},
            {"input signals",
             a.inputSignals == b.inputSignals && a.inputSignalIndex == b.inputSignalIndex},
            {"field texts", a.sizeTexts == b.sizeTexts && a.aspectText == b.aspectText &&
                                a.unitsCaption == b.unitsCaption},
            {"notices", a.notices == b.notices},
            {"results", m_fresh.state().results == state().results},
        };
        for (const auto &[name, same] : parts) {
            if (!same)
                return std::string("other ") + name;
        }
        // Notes typed (or a new page's marker) since the last recalculation stand until the
        // next one.
        for (PageText t : TitleBlockTexts) {
            if (t == PageText::Notes && m_notesEditedAt == window().recalculations())
                continue;
            if (fresh.titleText(t) != window().titleText(t))
                return "another text in field " + std::to_string(int(t)) + ": '" +
                       fresh.titleText(t) + "' for '" + window().titleText(t) + "'";
        }
        return {};
    }

    static std::string firstDrawingDifference(const Drawing &a, const Drawing &b)
    {
        std::vector<std::string> names;
        a.forEachLine([&](std::string_view name, const DrawLine &l) {
            b.forEachLine([&](std::string_view other, const DrawLine &m) {
                if (name == other && !(l == m))
                    names.push_back(std::string(name));
            });
        });
        a.forEachLabel([&](std::string_view name, const DrawLabel &l) {
            b.forEachLabel([&](std::string_view other, const DrawLabel &m) {
                if (name == other && !(l == m))
                    names.push_back(std::string(name) + " '" + l.caption + "'/'" + m.caption + "'");
            });
        });
        std::string text;
        for (const std::string &n : names)
            text += (text.empty() ? ": " : ", ") + n;
        return text.empty() ? ": pictures" : text;
    }

    ScreenWindow &screen() { return m_session.screenWindow(); }
    ThrowWindow &window() { return m_session.throwWindow(); }
    ProjectDocument &document() { return m_session.document(); }
    const InstallationState &state() { return m_session.state(); }

    std::size_t pick(std::size_t n)
    {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(m_rng);
    }
    template<typename T> const T &pickFrom(const std::vector<T> &v) { return v[pick(v.size())]; }
    Dimension pickDimension() { return AllDimensions[pick(3)]; }
    Unit pickUnit() { return unitFromIndex(static_cast<int>(pick(3))); }
    char pickKey()
    {
        static const std::string keys =
            std::string("0123456789./a") + ScreenWindow::KeyBackspace + ScreenWindow::KeyEnter;
        return keys[pick(keys.size())];
    }

    // The first `count` characters of a UTF-8 text.
    static std::string firstCharacters(const std::string &text, std::size_t count)
    {
        std::size_t end = 0;
        for (std::size_t chars = 0; end < text.size(); ++end) {
            if ((static_cast<unsigned char>(text[end]) & 0xC0) != 0x80 && chars++ == count)
                break;
        }
        return text.substr(0, end);
    }

    // What an edit box does with a key it was given.
    static std::string edited(std::string text, char key)
    {
        if (key == ScreenWindow::KeyBackspace) {
            if (!text.empty())
                text.pop_back();
        } else if (text == "???" || text.size() > 8) {
            text = std::string(1, key); // the installer selects the field and types over it
        } else {
            text += key;
        }
        return text;
    }

    void add(std::function<void(long)> action) { m_actions.push_back(std::move(action)); }

    void addActions()
    {
        // Screen calculator.
        add([this](long n) {
            std::vector<Dimension> enabled;
            for (Dimension d : AllDimensions)
                if (screen().field(d).enabled)
                    enabled.push_back(d);
            if (enabled.empty()) {
                logAction(n, "screen.keyPress: no field enabled");
                return;
            }
            const Dimension d = pickFrom(enabled);
            const char key = pickKey();
            logAction(n, std::string("screen.keyPress(") + dimensionName(d) + ", " + keyName(key) +
                             ") on '" + screen().field(d).text + "'");
            if (screen().keyPress(d, key))
                screen().setFieldText(d, edited(screen().field(d).text, key));
        });
        add([this](long n) {
            const Dimension d = pickDimension();
            const std::string &text = pickFrom(fieldTexts);
            logAction(n,
                      std::string("screen.setFieldText(") + dimensionName(d) + ", '" + text + "')");
            if (screen().field(d).enabled)
                screen().setFieldText(d, text);
        });
        for (int direction : {1, -1}) {
            add([this, direction](long n) {
                const Dimension d = pickDimension();
                const bool shown = screen().field(d).spinnerVisible && screen().field(d).enabled;
                logAction(n, std::string("screen.spin") + (direction > 0 ? "Up(" : "Down(") +
                                 dimensionName(d) + ")" + (shown ? "" : " (hidden, skipped)"));
                if (shown)
                    direction > 0 ? screen().spinUp(d) : screen().spinDown(d);
            });
        }
        add([this](long n) {
            const Dimension d = pickDimension();
            logAction(n, std::string("screen.shiftClick(") + dimensionName(d) + ")");
            screen().shiftClick(d);
        });
        add([this](long n) {
            const Unit u = pickUnit();
            logAction(n, "screen.selectUnits(" + std::to_string(unitIndex(u)) + ")");
            screen().selectUnits(u);
        });
        add([this](long n) {
            logAction(n, "screen.cycleUnits()");
            screen().cycleUnits();
        });
        add([this](long n) {
            const int preset = static_cast<int>(pick(ScreenWindow::PresetCount));
            logAction(n, "screen.selectPreset(" + std::to_string(preset) + ")");
            screen().selectPreset(preset);
        });
        add([this](long n) {
            logAction(n, "screen.nextPreset()");
            screen().nextPreset();
        });
        add([this](long n) {
            const bool film = pick(2) == 0;
            logAction(n,
                      std::string("screen.selectMeasurement(") + (film ? "film" : "video") + ")");
            screen().selectMeasurement(film);
        });
        add([this](long n) {
            logAction(n, "screen.enterDetermineMode()");
            screen().enterDetermineMode();
        });
        add([this](long n) {
            logAction(n, "screen.calc() '" + screen().calcCaption() + "'");
            screen().calc();
        });
        add([this](long n) {
            logAction(n, "screen.toggleExpertMode()");
            screen().toggleExpertMode();
        });
        add([this](long n) {
            logAction(n, "screen.toggleTooltips()");
            screen().toggleTooltips();
        });

        // Installation window.
        add([this](long n) {
            const auto series = static_cast<Series>(pick(SeriesCount));
            logAction(n, "throw.selectSeries(" + std::string(seriesEntry(series).caption) + ")");
            window().selectSeries(series);
        });
        add([this](long n) {
            const auto model = static_cast<Model>(pick(ModelCount));
            const int lens = static_cast<int>(pick(modelEntry(model).lenses.size()));
            logAction(n, "throw.selectLens(" + std::string(modelEntry(model).caption) + ", " +
                             std::to_string(lens) + ")");
            window().selectLens(model, lens);
            m_recalculates = model != Model::LX530 || m_dialogs.lastSxga != -1;
        });
        add([this](long n) {
            const int index = static_cast<int>(pick(5));
            const bool enabled = index == 4 || window().positionEnabled(index);
            logAction(n, "throw.selectPosition(" + std::to_string(index) + ")" +
                             (enabled ? "" : " (disabled, skipped)"));
            if (enabled)
                window().selectPosition(index);
            m_recalculates = enabled && index < 3;
        });
        add([this](long n) {
            const int index = static_cast<int>(pick(2));
            logAction(n, "throw.selectThrowPoint(" + std::to_string(index) + ")");
            window().selectThrowPoint(index);
        });
        add([this](long n) {
            const Unit u = pickUnit();
            logAction(n, "throw.selectUnits(" + std::to_string(unitIndex(u)) + ")");
            window().selectUnits(u);
            m_recalculates = true;
        });
        add([this](long n) {
            logAction(n, "throw.cycleUnits()");
            window().cycleUnits();
            m_recalculates = true;
        });
        add([this](long n) {
            const int index = static_cast<int>(pick(window().inputSignals().size() + 1));
            logAction(n, "throw.chooseInputSignal(" + std::to_string(index) + ")" +
                             (window().inputSignalVisible() ? "" : " (no list)"));
            window().chooseInputSignal(index);
            m_recalculates = index < int(window().inputSignals().size());
        });
        add([this](long n) {
            const Dimension d = pickDimension();
            const char key = pickKey();
            const bool enabled = window().sizeEnabled(d);
            logAction(n, std::string("throw.sizeKeyPress(") + dimensionName(d) + ", " +
                             keyName(key) + ") on '" + window().sizeText(d) + "'" +
                             (enabled ? "" : " (disabled, skipped)"));
            if (enabled && window().sizeKeyPress(d, key))
                window().setSizeText(d, edited(window().sizeText(d), key));
            m_recalculates = enabled && key == ThrowWindow::KeyEnter;
        });
        add([this](long n) {
            const Dimension d = pickDimension();
            const std::string &text = pickFrom(fieldTexts);
            logAction(n,
                      std::string("throw.setSizeText(") + dimensionName(d) + ", '" + text + "')");
            if (window().sizeEnabled(d))
                window().setSizeText(d, text);
        });
        add([this](long n) {
            const char key = pickKey();
            const bool enabled = window().distanceEnabled();
            logAction(n, "throw.distanceKeyPress(" + keyName(key) + ") on '" +
                             window().distanceText() + "'" +
                             (enabled ? "" : " (disabled, skipped)"));
            if (enabled && window().distanceKeyPress(key))
                window().setDistanceText(edited(window().distanceText(), key));
        });
        add([this](long n) {
            static const std::vector<std::string> distances{"0",   "5",   "150", "99999", "120",
                                                            "250", "1e9", "abc", ""};
            const std::string &text = pickFrom(distances);
            const bool enabled = window().distanceEnabled();
            // Typed and entered, as the installer does it.
            logAction(n, "throw.setDistanceText('" + text + "') + Enter" +
                             (enabled ? "" : " (disabled, skipped)"));
            if (enabled) {
                window().setDistanceText(text);
                window().distanceKeyPress(ThrowWindow::KeyEnter);
            }
        });
        add([this](long n) {
            logAction(n, "throw.aspectDoubleClick()");
            window().aspectDoubleClick();
            const Selection &s = state().inputs.selection;
            m_recalculates = s.isCrt() || !(s.model == Model::LX420 || s.model == Model::LX430 ||
                                            s.model == Model::LX440 || s.model == Model::LX450);
        });
        add([this](long n) {
            const bool shown = !window().throwAngleText().empty();
            logAction(n,
                      std::string("throw.throwAngleClick()") + (shown ? "" : " (hidden, skipped)"));
            if (shown)
                window().throwAngleClick();
        });
        add([this](long n) {
            logAction(n, "throw.recalc()");
            window().recalc();
            m_recalculates = true;
        });
        add([this](long n) {
            const int index = static_cast<int>(pick(2));
            logAction(n, "throw.pageButton(" + std::to_string(index) + ") on page " +
                             std::to_string(document().currentPage()));
            const int page = document().currentPage();
            const int pages = document().pageCount();
            document().pageButton(index);
            if (document().pageCount() != pages) // the new page's note stands until recalculated
                m_notesEditedAt = window().recalculations();
            m_recalculates = document().currentPage() != page && document().pageCount() == pages;
        });
        add([this](long n) {
            const int value = static_cast<int>(pick(101));
            logAction(n, "throw.pageScroll(" + std::to_string(value) + ") on page " +
                             std::to_string(document().currentPage()));
            const int page = document().currentPage();
            const int pages = document().pageCount();
            document().pageScroll(value);
            if (document().pageCount() != pages)
                m_notesEditedAt = window().recalculations();
            m_recalculates = document().currentPage() != page && document().pageCount() == pages;
        });
        add([this](long n) {
            logAction(n, "throw.deletePage() on page " + std::to_string(document().currentPage()) +
                             " of " + std::to_string(document().pageCount()));
            document().deletePage();
        });
        add([this](long n) {
            logAction(n, "throw.newProject()");
            document().newProject();
        });
        add([this](long n) {
            logAction(n, "throw.saveProject() '" +
                             fs::path(document().projectFileName()).filename().string() + "'");
            document().saveProject();
        });
        add([this](long n) {
            logAction(n, "throw.saveProjectAs()");
            document().saveProjectAs();
        });
        add([this](long n) {
            logAction(n, "throw.openProject()");
            document().openProject();
        });
        add([this](long n) {
            static constexpr std::array<PageText, 7> fields{
                PageText::Author,    PageText::Date,  PageText::Title,   PageText::ApprovedBy,
                PageText::Approval2, PageText::Notes, PageText::Revision};
            const PageText field = fields[pick(fields.size())];
            std::string text = pickFrom(titleTexts);
            // The approval boxes hold 24 characters, the revision box 10.
            if (field == PageText::ApprovedBy || field == PageText::Approval2)
                text = firstCharacters(text, 24);
            if (field == PageText::Revision)
                text = firstCharacters(text, 10);
            logAction(n, "throw.setTitleText(" + std::to_string(int(field)) + ", " +
                             std::to_string(text.size()) + " bytes)");
            window().setTitleText(field, text);
            if (field == PageText::Notes)
                m_notesEditedAt = window().recalculations();
        });
    }

    // --- invariants ---
    bool checkAfter(unsigned long n)
    {
        const std::string broken = violation();
        if (broken.empty())
            return true;
        ADD_FAILURE() << "Random use: after action #" << n << ": " << broken << "\n" << logText();
        return false;
    }

    static bool hasNonNumber(const std::string &text)
    {
        std::string lower = text;
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](unsigned char c) { return char(std::tolower(c)); });
        return lower.find("nan") != std::string::npos || lower.find("inf") != std::string::npos;
    }

    std::string violation()
    {
        const InstallationState &st = state();
        const ScreenState &s = st.screen;
        const std::pair<const char *, double> numbers[] = {
            {"width", s.width},
            {"height", s.height},
            {"diagonal", s.diagonal},
            {"aspect", s.aspect},
            {"throwNear", st.results.throwNear},
            {"throwFar", st.results.throwFar},
            {"throwDistance", st.results.throwDistance},
            {"throwAngle", st.results.throwAngle},
            {"focusParameter", st.results.focusParameter},
            {"enteredThrowDistance", st.inputs.enteredThrowDistance},
        };
        for (const auto &[name, value] : numbers)
            if (!std::isfinite(value))
                return std::string(name) + " is " + std::to_string(value);

        const std::string screenText =
            "screen " + formatSingle(s.width) + " x " + formatSingle(s.height) + " (diagonal " +
            formatSingle(s.diagonal) + ", aspect " + formatSingle(s.aspect) + ")";
        if (!isAcceptedAspectRatio(s.aspect))
            return "aspect outside 1:100 to 100:1: " + screenText;
        const double w = s.width;
        const double h = s.height;
        const double d = s.diagonal;
        if (std::abs(w - h * s.aspect) > 1e-4 * std::max(std::abs(w), std::abs(h * s.aspect)))
            return "width is not height x aspect: " + screenText;
        if (std::abs(d - std::hypot(w, h)) > 1e-4 * d)
            return "diagonal does not match width and height: " + screenText;
        const auto allowed = [](double v) { return v >= HardLimits.min && v <= HardLimits.max; };
        if (!(allowed(w) && allowed(h) && allowed(d)) && s.diagonal != 100.0f)
            return "screen outside the limits and not reset: " + screenText;

        const int pages = document().pageCount();
        if (pages < 1 || pages > MaxPages || document().currentPage() < 1 ||
            document().currentPage() > pages)
            return "page " + std::to_string(document().currentPage()) + " of " +
                   std::to_string(pages);

        const int code = projectorCodeOf(st.inputs.selection);
        const auto back = selectionFromProjectorCode(code);
        if (!back || !(*back == st.inputs.selection))
            return "selection is no catalogue entry (code " + std::to_string(code) + ")";
        if (window().inputSignalVisible() &&
            (window().inputSignalIndex() < 0 ||
             window().inputSignalIndex() >= int(window().inputSignals().size())))
            return "input signal " + std::to_string(st.inputs.inputSignal) +
                   " outside its list of " + std::to_string(window().inputSignals().size());

        if (st.results.drawingScale < 1)
            return "drawing scale " + std::to_string(st.results.drawingScale);
        std::string bad;
        const auto far = [](long long v) { return v < -100'000'000LL || v > 100'000'000LL; };
        window().drawing().forEachLine([&](std::string_view name, const DrawLine &l) {
            if (bad.empty() && (far(l.x1) || far(l.y1) || far(l.x2) || far(l.y2)))
                bad = "line " + std::string(name) + " at " + std::to_string(l.x1) + "," +
                      std::to_string(l.y1) + " - " + std::to_string(l.x2) + "," +
                      std::to_string(l.y2);
        });
        window().drawing().forEachLabel([&](std::string_view name, const DrawLabel &l) {
            if (bad.empty() && (far(l.left) || far(l.top) || far(l.width) || far(l.height)))
                bad = "label " + std::string(name) + " at " + std::to_string(l.left) + "," +
                      std::to_string(l.top);
            if (bad.empty() && hasNonNumber(l.caption))
                bad = "label " + std::string(name) + " shows '" + l.caption + "'";
        });
        window().drawing().forEachPicture([&](std::string_view name, const DrawPicture &p) {
            if (bad.empty() && (far(p.left) || far(p.top) || far(p.width) || far(p.height)))
                bad = "picture " + std::string(name) + " at " + std::to_string(p.left) + "," +
                      std::to_string(p.top);
        });
        if (!bad.empty())
            return "drawing: " + bad + " (" + screenText + ")";

        for (Dimension dim : AllDimensions) {
            if (hasNonNumber(screen().field(dim).text) || hasNonNumber(window().sizeText(dim)))
                return std::string("a ") + dimensionName(dim) + " field shows '" +
                       screen().field(dim).text + "' / '" + window().sizeText(dim) + "'";
        }
        if (hasNonNumber(window().distanceText()) || hasNonNumber(window().farDistanceText()))
            return "the distance shows '" + window().distanceText() + "' / '" +
                   window().farDistanceText() + "'";

        if (const auto r = screen().visibleOutline();
            r && !(std::isfinite(r->left) && std::isfinite(r->top) && std::isfinite(r->width) &&
                   std::isfinite(r->height)))
            return "the preview outline is not finite";

        if (const std::string wrong = resultsMismatch(); !wrong.empty())
            return "the installation's results are not those of its screen: " + wrong + "; " +
                   screenText;
        if (m_recalculates && !m_recalculated)
            return "the action did not recalculate the installation";
        if (m_recalculated) {
            if (!(window().viewScreen() == s))
                return "the installation was recalculated for another screen than the one in "
                       "force: " +
                       screenText;
            for (Dimension dim : AllDimensions) {
                if (!window().sizeEnabled(dim) ||
                    window().sizeText(dim) != window().view().sizeTexts[std::size_t(dim)])
                    return std::string("the ") + dimensionName(dim) +
                           " field keeps an edit after the recalculation";
            }
            if (window().distanceText() != window().view().distanceText)
                return "the distance box keeps an edit after the recalculation";
        }
        if (const std::string wrong = freshWindowMismatch(); !wrong.empty())
            return "a fresh window from the same state and page shows " + wrong;

        if (m_dialogs.tipsLeftOpen)
            return "the installer's tips window did not close after 20 clicks";

        // Saving leaves no temporary file behind.
        for (const auto &entry : fs::directory_iterator(m_folder)) {
            const std::string name = entry.path().filename().string();
            if (name != "damaged.lmx" && !(name.size() == 6 && name[0] == 'p'))
                return "a stray file in the project folder: " + name;
        }
        return {};
    }

    std::mt19937 m_rng;
    fs::path m_folder;
    RandomDialogs m_dialogs;
    Session m_session;
    std::vector<std::function<void(long)>> m_actions;
    bool m_recalculates = false;       // the action recalculates the installation by its nature
    bool m_recalculated = false;       // ... and it did
    std::uint64_t m_notesEditedAt = 0; // recalculations when the installer last typed notes
    SilentDialogs m_freshDialogs;
    Session m_fresh{m_freshDialogs, StartOptions{}};
};

TEST(RandomUse, LongRandomSequencesKeepTheStateSound)
{
    const auto seed = static_cast<unsigned>(envNumber("LUMIDEX_RANDOM_SEED", 20240611));
    const unsigned long count = envNumber("LUMIDEX_RANDOM_ACTIONS", 3000);
    std::snprintf(g_header, sizeof g_header,
                  "Replay: LUMIDEX_RANDOM_SEED=%u LUMIDEX_RANDOM_ACTIONS=%lu; last actions:\n",
                  seed, count);
    std::printf("Random use: seed %u, %lu actions\n", seed, count);
    std::fflush(stdout);
    g_actions = 0;

    // A crash or a sanitizer report shows the last actions.
    static char altStack[1 << 16];
    stack_t stack{};
    stack.ss_sp = altStack;
    stack.ss_size = sizeof altStack;
    stack_t previousStack{};
    sigaltstack(&stack, &previousStack);
    struct sigaction crash
    {};
    crash.sa_handler = crashHandler;
    crash.sa_flags = SA_ONSTACK | SA_RESETHAND;
    const int signals[] = {SIGSEGV, SIGABRT, SIGFPE, SIGBUS, SIGILL};
    struct sigaction previous[std::size(signals)];
    for (std::size_t i = 0; i < std::size(signals); ++i)
        sigaction(signals[i], &crash, &previous[i]);
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback(writeLogOnDeath);
#endif

    // A hanging action cannot be interrupted: the watchdog reports it and ends the program.
    std::atomic<bool> done{false};
    std::thread watchdog([&done] {
        while (!done) {
            const long long start = g_actionStart;
            if (start != 0 && nowNs() - start > HangNs) {
                const char *text = "\nRandom use: the last action below hangs (over 2 s)\n";
                [[maybe_unused]] auto n = ::write(STDERR_FILENO, text, std::strlen(text));
                writeLog(STDERR_FILENO);
                std::_Exit(3);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    });

    {
        RandomUse run(seed);
        run.run(count);
    }

    done = true;
    watchdog.join();
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback(nullptr);
#endif
    for (std::size_t i = 0; i < std::size(signals); ++i)
        sigaction(signals[i], &previous[i], nullptr);
    sigaltstack(&previousStack, nullptr);
}

} // namespace
