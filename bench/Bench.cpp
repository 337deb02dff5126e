// Measures Dusklamp beside its floor (bench/FloorTray.cpp) under the same Wine and prints the
// tables of bench/RESULTS.md. Every figure is the median of repeated runs, Dusklamp and the floor
// alternating, with the smallest and largest beside it. Nothing here is a test.
//
//   bench.exe RUNS IDLE_MINUTES REST_SECONDS SOAK_FADES
//   bench.exe RUNS 0 0 SOAK_FADES monitors   (every monitor against the primary one only)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/LockName.h"
#include "bench/Measures.h"

namespace {

const wchar_t kFloorClass[] = L"DusklampFloor";

void WriteSettings(int duration, int textSize, const char* showOn = "primary", const std::string& more = "") {
  const std::wstring path = BenchFolder() + L"\\Settings.xml";
  FILE* file = _wfopen(path.c_str(), L"w");
  std::fprintf(file,
               "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n"
               "<DusklampSettings version=\"1.0\" xmlns=\"http://www.quillane.example/dusklamp/xmlns/settings\">\n"
               "<Options><Fader fade_duration=\"%d\" text_size=\"%d\" auto_block=\"0\" show_on=\"%s\" %s /></Options>\n"
               "<States><Fader auto_fade=\"1\" /></States>\n</DusklampSettings>\n",
               duration, textSize, showOn, more.c_str());
  std::fclose(file);
}

// Working hours that begin half a day from now: every check finds the program outside them and
// names in the tooltip when they begin.
std::string WorkingHoursElsewhere() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  const int from = (now.wHour + 12) % 24;
  char text[128];
  std::snprintf(text, sizeof(text), "working_hours=\"1\" work_days=\"mon,tue,wed,thu,fri,sat,sun\" "
                "work_from=\"%02d:00\" work_to=\"%02d:00\"", from, (from + 1) % 24);
  return text;
}

Measured DusklampProgram(const std::wstring& trace = L"") {
  return Measured(BenchFolder() + L"\\Dusklamp.exe", kLockName, L"", trace);
}

Measured Floor(const std::wstring& arguments, const std::wstring& trace = L"") {
  return Measured(BenchFolder() + L"\\FloorTray.exe", kFloorClass, arguments, trace);
}

void Header(const char* title, const char* first, const char* second) {
  std::printf("\n### %s\n\n| %-40s | %-26s | %-26s | %6s |\n|%s|%s|%s|%s|\n", title, "measure", first,
              second, "ratio", std::string(42, '-').c_str(), std::string(28, '-').c_str(),
              std::string(28, '-').c_str(), std::string(8, '-').c_str());
}

std::string Cell(const Spread& s, const char* unit) {
  char text[64];
  std::snprintf(text, sizeof(text), "%.2f %s (%.2f-%.2f)", s.median, unit, s.min, s.max);
  return text;
}

void Row(const char* what, const Spread& a, const Spread& b, const char* unit) {
  char ratio[16] = "-";
  if (b.median > 0) std::snprintf(ratio, sizeof(ratio), "%.2f", a.median / b.median);
  std::printf("| %-40s | %-26s | %-26s | %6s |\n", what, Cell(a, unit).c_str(), Cell(b, unit).c_str(), ratio);
}

// Samples of Dusklamp and of the floor, taken alternately.
struct Pair {
  std::vector<double> dusklamp, floor;
};

void Settle() { Sleep(1000); }  // lets a fresh process finish what its start queued

// CPU per idle minute of a fresh Dusklamp, one sample a minute.
std::vector<double> IdleMsPerMinute(int minutes) {
  Measured dusklamp = DusklampProgram();
  dusklamp.Start();
  Settle();
  std::vector<double> samples;
  for (int minute = 0; minute < minutes; ++minute) {
    const double before = dusklamp.CpuMs();
    Sleep(60000);
    samples.push_back(dusklamp.CpuMs() - before);
  }
  return samples;
}

std::wstring FloorArguments(int textSize, int duration, const std::wstring& steps = L"") {
  return std::to_wstring(textSize) + L" " + std::to_wstring(duration) + (steps.empty() ? L"" : L" " + steps);
}

// A default fade on every monitor of this display against one on the primary monitor, each the
// first fade of a fresh process, and a soak with an overlay on each monitor.
int EveryMonitor(int runs, int soakFades) {
  Header("Every monitor", "All monitors", "Primary monitor");
  Pair fade;
  for (int run = 0; run < runs; ++run) {
    for (const bool all : {true, false}) {
      WriteSettings(20, 250, all ? "all" : "primary");
      Measured program = DusklampProgram();
      program.Start();
      Settle();
      (all ? fade.dusklamp : fade.floor).push_back(program.FadeCpuMs());
    }
  }
  Row("CPU of a default fade, fresh process", SpreadOf(fade.dusklamp), SpreadOf(fade.floor), "ms");
  std::printf("\nMonitors: %d.\n", GetSystemMetrics(SM_CMONITORS));

  WriteSettings(1, 900, "all");
  Measured dusklamp = DusklampProgram(BenchFolder() + L"\\soak-monitors.trace");
  dusklamp.Start();
  Settle();
  std::printf("\n### Soak on every monitor: %d fades of 1 s at text size 900\n\n"
              "| fades | Dusklamp private | handles | GDI objects |\n|-------|------------------|---------|-------------|\n",
              soakFades);
  for (int done = 0;; ++done) {
    if (done % 100 == 0 || done == 50 || done == soakFades) {
      std::printf("| %5d | %13.2f MB | %7lu | %11ld |\n", done, dusklamp.PrivateMb(), dusklamp.Handles(),
                  dusklamp.GdiObjects());
      std::fflush(stdout);
    }
    if (done == soakFades) return 0;
    dusklamp.ShowFader();
    dusklamp.WaitUntilHidden();
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int runs = argc > 1 ? _wtoi(argv[1]) : 7;
  const int idleMinutes = argc > 2 ? _wtoi(argv[2]) : 10;
  const int restSeconds = argc > 3 ? _wtoi(argv[3]) : 90;
  const int soakFades = argc > 4 ? _wtoi(argv[4]) : 1000;
  if (argc > 5 && std::wstring(argv[5]) == L"monitors") return EveryMonitor(runs, soakFades);
  CopyFileW((BenchFolder() + L"\\FloorTray.exe").c_str(), (BenchFolder() + L"\\FloorClock.exe").c_str(), FALSE);
  std::printf("%d runs of each; idle %d min; fades after idle rest %d s; soak %d fades\n", runs,
              idleMinutes, restSeconds, soakFades);

  // Start-up and memory after start, each run a fresh process; the floor with Dusklamp's
  // start-up steps added one at a time says what each step costs.
  WriteSettings(20, 250);
  const std::vector<std::pair<const char*, std::wstring>> steps = {
      {"floor", L""},
      {"+ OLE", L"ole"},
      {"+ common controls", L"ole comctl"},
      {"+ settings load", L"ole comctl settings"},
      {"+ Dusklamp's tray icon", L"ole comctl settings icon"},
      {"+ first paint of the Fader", L"ole comctl settings icon paint"}};
  Pair startMs, privateMb, workingMb;
  std::vector<std::vector<double>> stepMb(steps.size());
  for (int run = 0; run < runs; ++run) {
    {
      Measured program = DusklampProgram();
      startMs.dusklamp.push_back(program.Start() * 1000);
      Settle();
      privateMb.dusklamp.push_back(program.PrivateMb());
      workingMb.dusklamp.push_back(program.WorkingSetMb());
    }
    for (size_t i = 0; i < steps.size(); ++i) {
      Measured program = Floor(FloorArguments(250, 20, steps[i].second));
      const double seconds = program.Start();
      Settle();
      stepMb[i].push_back(program.PrivateMb());
      if (i == 0) {
        startMs.floor.push_back(seconds * 1000);
        privateMb.floor.push_back(program.PrivateMb());
        workingMb.floor.push_back(program.WorkingSetMb());
      }
    }
  }

  // A default fade (20 s, text size 250) as the first fade of a fresh process.
  // GetProcessTimes, which the first version of this benchmark read, is taken beside it.
  Pair freshFade, freshFadeByProcessTimes;
  for (int run = 0; run < runs; ++run) {
    for (const bool isDusklamp : {true, false}) {
      Measured program = isDusklamp ? DusklampProgram() : Floor(FloorArguments(250, 20));
      program.Start();
      Settle();
      double byProcessTimes = 0;
      (isDusklamp ? freshFade.dusklamp : freshFade.floor).push_back(program.FadeCpuMs(byProcessTimes));
      (isDusklamp ? freshFadeByProcessTimes.dusklamp : freshFadeByProcessTimes.floor).push_back(byProcessTimes);
    }
  }

  // Idle side by side, Fader hidden, automatic fades on (Dusklamp checks every 5 s); one
  // sample per minute. Then fades after the idle period, each after a rest.
  // A second floor reads the clock every 5 seconds too: what a timer alone costs under Wine.
  Pair idleMsPerMinute, idleFade;
  std::vector<double> clockFloorMsPerMinute;
  {
    Measured dusklamp = DusklampProgram();
    Measured floor = Floor(FloorArguments(250, 20));
    Measured clockFloor(BenchFolder() + L"\\FloorClock.exe", L"DusklampFloor", FloorArguments(250, 20, L"clock"));
    dusklamp.Start();
    floor.Start();
    clockFloor.Start();
    Settle();
    for (int minute = 0; minute < idleMinutes; ++minute) {
      const double d = dusklamp.CpuMs(), f = floor.CpuMs(), c = clockFloor.CpuMs();
      Sleep(60000);
      idleMsPerMinute.dusklamp.push_back(dusklamp.CpuMs() - d);
      idleMsPerMinute.floor.push_back(floor.CpuMs() - f);
      clockFloorMsPerMinute.push_back(clockFloor.CpuMs() - c);
    }
    clockFloor.Stop();
    for (int run = 0; run < runs; ++run) {
      if (run > 0) Sleep(DWORD(restSeconds) * 1000);
      idleFade.dusklamp.push_back(dusklamp.FadeCpuMs());
      idleFade.floor.push_back(floor.FadeCpuMs());
    }
  }

  // Idle again, today's options against working hours on, one after the other: only one copy
  // of Dusklamp runs at a time.
  const std::vector<double> idleToday = IdleMsPerMinute(idleMinutes);
  WriteSettings(20, 250, "primary", WorkingHoursElsewhere());
  const std::vector<double> idleWorkingHours = IdleMsPerMinute(idleMinutes);
  WriteSettings(20, 250);

  Header("Start-up, memory and CPU (median, with min-max)", "Dusklamp", "floor");
  Row("start-up until window and idle loop", SpreadOf(startMs.dusklamp), SpreadOf(startMs.floor), "ms");
  Row("private bytes after start", SpreadOf(privateMb.dusklamp), SpreadOf(privateMb.floor), "MB");
  Row("working set after start", SpreadOf(workingMb.dusklamp), SpreadOf(workingMb.floor), "MB");
  Row("CPU of a default fade, fresh process", SpreadOf(freshFade.dusklamp), SpreadOf(freshFade.floor), "ms");
  Row("the same by GetProcessTimes", SpreadOf(freshFadeByProcessTimes.dusklamp),
      SpreadOf(freshFadeByProcessTimes.floor), "ms");
  Row("CPU of a default fade after idling", SpreadOf(idleFade.dusklamp), SpreadOf(idleFade.floor), "ms");
  Row("CPU per minute, idle", SpreadOf(idleMsPerMinute.dusklamp), SpreadOf(idleMsPerMinute.floor), "ms");
  Row("the same, floor reading the clock every 5 s", SpreadOf(idleMsPerMinute.dusklamp),
      SpreadOf(clockFloorMsPerMinute), "ms");
  const Spread dusklampSize{FileMb(BenchFolder() + L"\\Dusklamp.exe")};
  const Spread floorSize{FileMb(BenchFolder() + L"\\FloorTray.exe")};
  Row("size of the executable", {dusklampSize.median, dusklampSize.median, dusklampSize.median},
      {floorSize.median, floorSize.median, floorSize.median}, "MB");
  Header("Idle with working hours (median, with min-max)", "working hours on", "off");
  Row("CPU per minute, idle, outside the hours", SpreadOf(idleWorkingHours), SpreadOf(idleToday), "ms");


  std::printf("\n### Private bytes after start: Dusklamp's start-up steps added to the floor one at a time\n\n"
              "| %-32s | %-26s | %-12s |\n|%s|%s|%s|\n", "program", "private bytes", "the step adds",
              std::string(34, '-').c_str(), std::string(28, '-').c_str(), std::string(14, '-').c_str());
  double previous = 0;
  for (size_t i = 0; i < steps.size(); ++i) {
    const Spread spread = SpreadOf(stepMb[i]);
    std::printf("| %-32s | %-26s | %+9.2f MB |\n", steps[i].first, Cell(spread, "MB").c_str(),
                i == 0 ? 0.0 : spread.median - previous);
    previous = spread.median;
  }
  const Spread dusklampPrivate = SpreadOf(privateMb.dusklamp);
  std::printf("| %-32s | %-26s | %+9.2f MB |\n", "Dusklamp", Cell(dusklampPrivate, "MB").c_str(),
              dusklampPrivate.median - previous);

  // Soak: short fades at the largest text, both programs side by side, with Wine's GDI trace.
  WriteSettings(1, 900);
  Measured dusklamp = DusklampProgram(BenchFolder() + L"\\soak-dusklamp.trace");
  Measured floor = Floor(FloorArguments(900, 1), BenchFolder() + L"\\soak-floor.trace");
  dusklamp.Start();
  floor.Start();
  Settle();
  std::printf("\n### Soak: %d fades of 1 s at text size 900\n\n"
              "| fades | Dusklamp private | handles | GDI objects | floor private | handles | GDI objects |\n"
              "|-------|------------------|---------|-------------|---------------|---------|-------------|\n",
              soakFades);
  std::vector<double> settled;
  for (int fade = 0; fade <= soakFades; ++fade) {
    if (fade % 100 == 0 || fade == 50) {
      std::printf("| %5d | %13.2f MB | %7lu | %11ld | %10.2f MB | %7lu | %11ld |\n", fade,
                  dusklamp.PrivateMb(), dusklamp.Handles(), dusklamp.GdiObjects(), floor.PrivateMb(),
                  floor.Handles(), floor.GdiObjects());
      if (fade >= 200) settled.push_back(dusklamp.PrivateMb());
      std::fflush(stdout);
    }
    if (fade == soakFades) break;
    dusklamp.ShowFader();
    floor.ShowFader();
    for (const Measured* program : {&dusklamp, &floor}) program->WaitUntilHidden();
  }
  const Spread range = SpreadOf(settled);
  std::printf("\nDusklamp's private bytes from fade 200 on stay within %.0f KB.\n", (range.max - range.min) * 1024);
  return 0;
}
