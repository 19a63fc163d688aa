// The show itself: Pagewheel.scr /S with a settings file of local pages in distinct
// colours, on a real X display, driven by a real pointer and keyboard (xdotool) and read
// back from the screen.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <filesystem>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "saver/utilities/x11_windows.h"
#include "tests/support/child_process.h"
#include "tests/support/screen_pixels.h"
#include "tests/support/temp_folder.h"
#include "tests/support/x11_windows_maker.h"

namespace pgw {
namespace {

namespace fs = std::filesystem;
using test::Rgb;

const Rgb kRed{255, 0, 0};
const Rgb kGreen{0, 255, 0};
const Rgb kBlue{0, 0, 255};
const Rgb kPaleBlue{0xDF, 0xE8, 0xFF};  // the exit bar

std::string Page(const char* colour) {
  return std::string("<html><body style='margin:0;background:") + colour + "'></body></html>";
}

class Show : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(test::HaveDisplay()) << "needs an X display: run tools/test.sh";
    ASSERT_FALSE(windows.HasWindowTitled("PagewheelHost")) << "a show is still open";
    fs::copy_file(PGW_APP_DIR "/Pagewheel.scr", folder.File("Pagewheel.scr"));
    red = folder.Write("red.htm", Page("#ff0000"));
    green = folder.Write("green.htm", Page("#00ff00"));
    blue = folder.Write("blue.htm", Page("#0000ff"));
    test::RunToEnd({"xdotool", "mousemove", "600", "500"});
  }

  // Starts the show with these [Display] lines after the three pages, and waits until
  // the first page is on screen.
  void Start(const std::string& display, const std::string& extraPages = "") {
    std::ofstream(folder.File("pgwh.ini"), std::ios::binary)
        << "[Pages]\r\nPage0=" << red << "\r\nPage1=" << green << "\r\nPage2=" << blue << "\r\n"
        << extraPages << "[Display]\r\n"
        << display;
    show.emplace(std::vector<std::string>{folder.File("Pagewheel.scr"), "/S"});
    ASSERT_TRUE(show->started());
    ASSERT_TRUE(test::WaitFor([&] { return pixels.Centre() == kRed; }))
        << "the first page never showed";
  }

  bool Ends() { return show->WaitForExit(std::chrono::seconds(15)).has_value(); }
  bool StillRuns(std::chrono::milliseconds wait) { return !show->WaitForExit(wait).has_value(); }

  static void Xdotool(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "xdotool");
    ASSERT_EQ(test::RunToEnd(arguments), 0);
  }

  test::TempFolder folder;
  X11Windows windows;
  test::ScreenPixels pixels;
  std::string red, green, blue;
  std::optional<test::ChildProcess> show;
};

// The colours the centre of the screen goes through, consecutive repeats folded.
std::vector<Rgb> ColoursSeen(test::ScreenPixels& pixels, int count) {
  std::vector<Rgb> seen;
  test::WaitFor(
      [&] {
        Rgb now = pixels.Centre();
        if ((now == kRed || now == kGreen || now == kBlue) &&
            (seen.empty() || seen.back() != now)) {
          seen.push_back(now);
        }
        return static_cast<int>(seen.size()) >= count;
      },
      std::chrono::seconds(30));
  return seen;
}

TEST_F(Show, GoesThroughTheListInOrder) {
  Start("Withold=2\r\nEfekat=0\r\nHidemouse=False\r\n");
  std::vector<Rgb> seen = ColoursSeen(pixels, 5);
  EXPECT_EQ(seen, (std::vector<Rgb>{kRed, kGreen, kBlue, kRed, kGreen}));
  show->Terminate();
}

// With "No effects" every change freezes the screen as a picture while the next entry is
// requested; the entries still come in order. (The effects themselves are played on a
// real capture by the transition tests.)
TEST_F(Show, ChangesEntryBehindTheFrozenScreen) {
  Start("Withold=2\r\nEfekat=22\r\nBackcolor=8421504\r\n");
  EXPECT_EQ(ColoursSeen(pixels, 4), (std::vector<Rgb>{kRed, kGreen, kBlue, kRed}));
  show->Terminate();
}

TEST_F(Show, FixedSizeIsCentredOnTheBackgroundColour) {
  // Backcolor 16711680 is blue (red in the low byte); the page is red.
  Start("Displaysize=640x480\r\nBackcolor=16711680\r\nWithold=60\r\n");
  EXPECT_EQ(pixels.At(5, 5), kBlue);
  // The 640 x 480 browser lies in the middle: blue just left and above it.
  const int left = pixels.width() / 2 - 320;
  const int top = pixels.height() / 2 - 240;
  EXPECT_EQ(pixels.At(left + 10, top + 10), kRed);
  EXPECT_EQ(pixels.At(left - 10, top + 10), kBlue);
  EXPECT_EQ(pixels.At(left + 10, top - 10), kBlue);
  show->Terminate();
}

TEST_F(Show, MoveOfFourPixelsEndsItThreeDoNot) {
  Start("Withold=60\r\n");
  // The show parked the pointer at (400, 300) when it started; that jump ends nothing.
  EXPECT_TRUE(StillRuns(std::chrono::milliseconds(1500)));
  Xdotool({"mousemove", "403", "297"});
  EXPECT_TRUE(StillRuns(std::chrono::milliseconds(900)));
  Xdotool({"mousemove", "407", "297"});
  EXPECT_TRUE(Ends());
}

TEST_F(Show, AnyKeyEndsIt) {
  for (const char* key : {"space", "Alt_L", "Super_L", "a"}) {
    Start("Withold=60\r\n");
    Xdotool({"key", key});
    EXPECT_TRUE(Ends()) << key;
  }
}

TEST_F(Show, ExitBarEndsItWhenMovesDoNot) {
  Start("Izlaz=2\r\nWithold=60\r\n");
  Xdotool({"mousemove", "700", "600", "key", "space", "a", "click", "1"});
  EXPECT_TRUE(StillRuns(std::chrono::milliseconds(1500)));
  Xdotool({"mousemove", "20", "500"});
  ASSERT_TRUE(test::WaitFor([&] { return pixels.At(5, 100) == kPaleBlue; }));
  Xdotool({"mousemove", "90", "500"});
  EXPECT_TRUE(StillRuns(std::chrono::milliseconds(1200)));
  EXPECT_EQ(pixels.At(5, 100), kPaleBlue);  // between 41 and 100 the bar stays
  Xdotool({"mousemove", "200", "500"});
  ASSERT_TRUE(test::WaitFor([&] { return pixels.At(5, 100) == kRed; }));
  Xdotool({"mousemove", "10", "500"});
  ASSERT_TRUE(test::WaitFor([&] { return pixels.At(5, 100) == kPaleBlue; }));
  Xdotool({"click", "1"});
  EXPECT_TRUE(Ends());
}

TEST_F(Show, KeyEndsItInTheMiddleOfATransition) {
  Start("Withold=1\r\nEfekat=14\r\nBackcolor=8421504\r\n");
  ASSERT_TRUE(test::WaitFor([&] {
    return pixels.At(10, 10) == (Rgb{128, 128, 128}) || pixels.Centre() == (Rgb{128, 128, 128});
  }));
  Xdotool({"key", "space"});
  EXPECT_TRUE(Ends());
}

// Entries that fail, and a page that tries every way to get at the user: the show goes
// on to the next entry on time, with no window of anybody else's.
TEST_F(Show, BadEntriesNeitherStopNorStallTheRotation) {
  const std::string hostile = folder.Write(
      "hostile.htm",
      "<html><body style='margin:0;background:#0000ff'><a id=d href='data:text/plain,x' "
      "download='x.txt'>x</a><script>"
      "alert('hello'); confirm('sure?'); prompt('name?');"
      "window.open('https://example.org/'); document.getElementById('d').click();"
      "document.body.requestFullscreen().catch(()=>{}); document.body.requestPointerLock();"
      "navigator.geolocation.getCurrentPosition(()=>{}, ()=>{});"
      "onbeforeunload = () => 'stay';"
      "</script></body></html>");
  std::ofstream(folder.File("pgwh.ini"), std::ios::binary)
      << "[Pages]\r\nPage0=" << red << "\r\nPage1=" << folder.File("missing.htm")
      << "\r\nPage2=http://127.0.0.1:9/\r\nPage3=" << hostile << "\r\nPage4=" << green
      << "\r\n[Display]\r\nWithold=2\r\n";
  show.emplace(std::vector<std::string>{folder.File("Pagewheel.scr"), "/S"});
  std::vector<Rgb> seen = ColoursSeen(pixels, 5);
  EXPECT_EQ(seen, (std::vector<Rgb>{kRed, kBlue, kGreen, kRed, kBlue}));
  // No dialog, pop-up or download window came up over the show.
  EXPECT_EQ(windows.TitleAt({pixels.width() / 2, pixels.height() / 2}), "PagewheelHost");
  EXPECT_TRUE(show->Running());
  show->Terminate();
}

// The web engine's renderer processes among the descendants of `pid`: its zygote
// processes are children of the saver, and the renderers are forked from them.
std::vector<int> RendererProcesses(int pid) {
  std::vector<int> found;
  std::vector<std::pair<int, int>> parents{{pid, 0}};  // process and its depth below pid
  while (!parents.empty()) {
    const auto [parent, depth] = parents.back();
    parents.pop_back();
    for (const auto& entry : fs::directory_iterator("/proc")) {
      const std::string name = entry.path().filename().string();
      if (name.find_first_not_of("0123456789") != std::string::npos) continue;
      std::ifstream stat(entry.path() / "stat");
      std::string line;
      std::getline(stat, line);
      const std::size_t close = line.rfind(')');
      if (close == std::string::npos) continue;
      int parentPid = 0;
      char state = 0;
      std::istringstream(line.substr(close + 2)) >> state >> parentPid;
      if (parentPid != parent) continue;
      const int child = std::stoi(name);
      parents.push_back({child, depth + 1});
      std::ifstream cmdline(entry.path() / "cmdline");
      std::string arguments((std::istreambuf_iterator<char>(cmdline)), {});
      if (depth + 1 >= 2 && arguments.find("QtWebEngineProcess") != std::string::npos) {
        found.push_back(child);
      }
    }
  }
  return found;
}

TEST_F(Show, RendererThatDiesIsReplacedByTheNextEntry) {
  Start("Withold=60\r\n");
  std::vector<int> renderers = RendererProcesses(show->pid());
  ASSERT_FALSE(renderers.empty());
  for (int renderer : renderers) ::kill(renderer, SIGKILL);
  EXPECT_TRUE(test::WaitFor([&] { return pixels.Centre() == kGreen; }, std::chrono::seconds(20)));
  EXPECT_TRUE(show->Running());
  show->Terminate();
}

// A listening socket on the loopback address that counts the connections made to it.
class LoopbackListener {
 public:
  LoopbackListener() {
    fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::listen(fd_, 8);
    socklen_t length = sizeof address;
    ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
  }
  ~LoopbackListener() { ::close(fd_); }
  int port() const { return port_; }
  bool Connected() {
    int client = ::accept(fd_, nullptr, nullptr);
    if (client < 0) return false;
    ::close(client);
    return true;
  }

 private:
  int fd_ = -1;
  int port_ = 0;
};

// Working offline, an address is never asked for; online it is (which shows the check
// can see a request at all).
TEST_F(Show, OfflineNoRequestLeavesTheSaver) {
  for (const char* offline : {"da", "ne"}) {
    LoopbackListener listener;
    const std::string address = "http://127.0.0.1:" + std::to_string(listener.port()) + "/";
    Start("Withold=2\r\nEfekat=0\r\n", "Page3=" + address + "\r\nWorkOffline=" + offline + "\r\n");
    // Red, green, blue, the address, and red again: the address has had its turn.
    EXPECT_EQ(ColoursSeen(pixels, 4), (std::vector<Rgb>{kRed, kGreen, kBlue, kRed})) << offline;
    bool asked = false;
    test::WaitFor([&] { return asked = asked || listener.Connected(); },
                  std::chrono::milliseconds(300));
    EXPECT_EQ(asked, std::string(offline) == "ne") << offline;
    show->Terminate();
  }
}

TEST_F(Show, FullListOf1501Entries) {
  std::string pages;
  for (int i = 3; i < 1501; ++i) {
    pages += "Page" + std::to_string(i) + "=" +
             (i % 3 == 0   ? red
              : i % 3 == 1 ? green
                           : blue) +
             "\r\n";
  }
  Start("Withold=2\r\n", pages);
  EXPECT_EQ(ColoursSeen(pixels, 6), (std::vector<Rgb>{kRed, kGreen, kBlue, kRed, kGreen, kBlue}));
  show->Terminate();
}

TEST_F(Show, WithholdThatIsNoNumberKeepsTheFirstEntry) {
  Start("Withold=abc\r\n");
  EXPECT_TRUE(StillRuns(std::chrono::milliseconds(2500)));
  EXPECT_EQ(pixels.Centre(), kRed);
  show->Terminate();
}

TEST_F(Show, EmptyBackColorIsWhite) {
  Start("Displaysize=640x480\r\nBackcolor=\r\n");
  EXPECT_EQ(pixels.At(5, 5), (Rgb{255, 255, 255}));
  show->Terminate();
}

// Without a session lock to turn to (no session bus, no lock commands on the path), the
// protected show asks for its own password.
class ProtectedShow : public Show {
 protected:
  void SetUp() override {
    Show::SetUp();
    setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent", 1);
    savedPath = getenv("PATH") ? getenv("PATH") : "";
  }
  void TearDown() override { setenv("PATH", savedPath.c_str(), 1); }

  void StartProtected() {
    // "open sesame" scrambled with 0xB3, as the settings window stores it.
    std::string scrambled;
    for (char c : std::string("Open Sesame")) scrambled += static_cast<char>(c ^ 0xB3);
    setenv("PATH", folder.path().c_str(), 1);  // no loginctl, no xdg-screensaver
    Start("Withold=60\r\nProtection=true\r\nPassword=" + scrambled + "\r\n");
    setenv("PATH", savedPath.c_str(), 1);
  }
  std::string savedPath;
};

TEST_F(ProtectedShow, AsksForThePasswordAndEndsAtItsLastCharacter) {
  StartProtected();
  Xdotool({"key", "space"});
  // The panel opens centred: its light face covers the middle of the red page.
  ASSERT_TRUE(test::WaitFor([&] { return pixels.Centre() != kRed; }));
  Xdotool({"type", "open sesame"});
  EXPECT_TRUE(StillRuns(std::chrono::milliseconds(800))) << "letter case must count";
  Xdotool({"key", "Escape"});
  ASSERT_TRUE(test::WaitFor([&] { return pixels.Centre() == kRed; }));
  Xdotool({"key", "x"});  // opens the panel again, emptied
  ASSERT_TRUE(test::WaitFor([&] { return pixels.Centre() != kRed; }));
  Xdotool({"type", "Open Sesame"});
  EXPECT_TRUE(Ends());
}

}  // namespace
}  // namespace pgw
