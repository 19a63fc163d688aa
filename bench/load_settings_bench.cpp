// Loading a full pgwh.ini (1,501 entries) against merely reading its bytes, in one run.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>

#include "saver/settings/load_settings.h"
#include "saver/settings/password.h"

namespace {

// A settings file as the settings window writes it, with every entry used.
const std::string& SettingsFile() {
  static const std::string path = [] {
    std::string text = "[Pages]\r\n";
    for (int i = 0; i < pgw::kPageSlots; ++i) {
      text += "Page" + std::to_string(i) + "=";
      text += (i % 3 == 0)
                  ? "https://dashboard.example.org/team/" + std::to_string(i) +
                        "/overview?range=7d&refresh=60s"
                  : "/home/ana/Pictures/Holidays 2026/album " + std::to_string(i) + "/photo.jpg";
      text += "\r\n";
    }
    text +=
        "WorkOffline=ne\r\n[Muzika]\r\nEnable=1\r\nFile=/home/ana/Music/calm.mp3\r\n"
        "Repeat=3\r\nLoudness=2600\r\n[Display]\r\nWithold=10\r\nRandom=Da\r\n"
        "Displaysize=Full\r\nBackcolor=16777215\r\nHidemouse=True\r\nIzlaz=1\r\n"
        "SakrijScrollBar=da\r\nSat=1\r\nVelicina sata=2\r\nPozicija sata=3\r\n"
        "Pozadina sata=0\r\nBrojevi sata=16777215\r\nVrsta sata=2\r\nProtection=true\r\n"
        "Password=" +
        pgw::DecodePassword("letmein") + "\r\nEfekat=7\r\n";
    std::string file = (std::filesystem::temp_directory_path() / "pgw-bench-pgwh.ini").string();
    std::ofstream(file, std::ios::binary) << text;
    return file;
  }();
  return path;
}

// The baseline: open the file, read it whole into memory at its size, close it.
void ReadBytes(benchmark::State& state) {
  const std::string& path = SettingsFile();
  const auto size = std::filesystem::file_size(path);
  for (auto _ : state) {
    std::string bytes;
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    bytes.resize(size);
    ssize_t got = ::read(fd, bytes.data(), bytes.size());
    ::close(fd);
    benchmark::DoNotOptimize(got);
    benchmark::DoNotOptimize(bytes);
  }
}
BENCHMARK(ReadBytes);

// Read, parse and fill the record. Making the empty record and freeing the full one are
// the process's start and end, not loading, and are left out of the time.
void LoadSettings(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto settings = std::make_unique<pgw::SaverSettings>();
    settings->SettingsPath = SettingsFile();
    state.ResumeTiming();
    pgw::LoadSettings(*settings);
    benchmark::DoNotOptimize(settings->PageCount);
    state.PauseTiming();
    settings.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(LoadSettings);

// Prints the usual table, then each benchmark's time as a multiple of ReadBytes.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) times_[run.benchmark_name()] = run.GetAdjustedRealTime();
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    auto baseline = times_.find("ReadBytes");
    if (baseline == times_.end()) return;
    for (const auto& [name, time] : times_) {
      std::printf("%-16s %.2fx reading the bytes\n", name.c_str(), time / baseline->second);
    }
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  std::filesystem::remove(SettingsFile());
}
