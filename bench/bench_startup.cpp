// What start-up spends before the first paint, phase by phase, on Qt's
// offscreen platform: the pictures at each scale, the fonts, the sound
// device, the options and scores files, and the three windows.
// bench/measure_startup.sh measures the whole start against a bare window.
#include <benchmark/benchmark.h>

#include <QDirIterator>
#include <QFontDatabase>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdlib>
#include <filesystem>

#include "app/MainWindow.h"
#include "highscores/HighScoreWindow.h"
#include "highscores/ScoreFile.h"
#include "media/SdlAudioOutput.h"
#include "media/SkinPictures.h"
#include "settings/OptionsDialog.h"
#include "settings/SettingsStore.h"

namespace {

// The plain names (no @2x, @3x) of the embedded pictures in `folder`.
QStringList PlainPictures(const QString& folder)
{
    QStringList names;
    for (QDirIterator it(folder); it.hasNext();) {
        const QString name = QFileInfo(it.next()).completeBaseName();
        if (!name.contains(QLatin1Char('@'))) {
            names.append(name);
        }
    }
    return names;
}

// Every picture of the three windows, loaded for a screen of the given scale.
void BM_PicturesAtScale(benchmark::State& state)
{
    const qreal scale = static_cast<qreal>(state.range(0));
    const QStringList images = PlainPictures(QStringLiteral(":/images"));
    const QStringList skin = PlainPictures(QStringLiteral(":/skin"));
    for (auto _ : state) {
        for (const QString& name : images) {
            benchmark::DoNotOptimize(DesignImage(name, scale));
        }
        for (const QString& name : skin) {
            benchmark::DoNotOptimize(SkinPicture(name, scale));
        }
    }
    state.SetLabel(std::to_string(images.size() + skin.size()) + " pictures");
}
BENCHMARK(BM_PicturesAtScale)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

// Registering both embedded faces, as Windows and the browser need.
void BM_RegisterEmbeddedFonts(benchmark::State& state)
{
    for (auto _ : state) {
        const int regular = QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/DejaVuSans.ttf"));
        const int bold = QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/DejaVuSans-Bold.ttf"));
        state.PauseTiming();
        QFontDatabase::removeApplicationFont(regular);
        QFontDatabase::removeApplicationFont(bold);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RegisterEmbeddedFonts)->Unit(benchmark::kMillisecond);

// Asking whether the system has the face, which is all a Linux desktop does.
void BM_SystemFontCheck(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(QFontDatabase::families().contains(QStringLiteral("DejaVu Sans")));
    }
}
BENCHMARK(BM_SystemFontCheck)->Unit(benchmark::kMicrosecond);

// Opening and closing the sound device (SDL's dummy driver; its library is
// loaded by the first iteration).
void BM_OpenSoundDevice(benchmark::State& state)
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    for (auto _ : state) {
        brixel::SdlAudioOutput speaker;
        benchmark::DoNotOptimize(speaker.Open());
        speaker.Close();
    }
}
BENCHMARK(BM_OpenSoundDevice)->Unit(benchmark::kMillisecond);

void BM_LoadOptionsAndScores(benchmark::State& state)
{
    QTemporaryDir dir;
    const std::filesystem::path folder = dir.path().toStdU16String();
    brixel::SaveSettings(brixel::Settings{3.0, true, true, false}, folder / "Brixel32.ini");
    for (auto _ : state) {
        benchmark::DoNotOptimize(brixel::LoadSettings(folder / "Brixel32.ini"));
        benchmark::DoNotOptimize(brixel::LoadHighScores(folder / "scores.lst"));
    }
}
BENCHMARK(BM_LoadOptionsAndScores)->Unit(benchmark::kMicrosecond);

template <class Window>
void BM_MakeWindow(benchmark::State& state)
{
    for (auto _ : state) {
        Window window;
        benchmark::DoNotOptimize(&window);
    }
}
BENCHMARK(BM_MakeWindow<MainWindow>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MakeWindow<HighScoreWindow>)->Unit(benchmark::kMillisecond);

void BM_MakeOptionsDialog(benchmark::State& state)
{
    brixel::Settings settings;
    for (auto _ : state) {
        OptionsDialog dialog(settings, {QStringLiteral("unused.ini"), QStringLiteral("unused.ini")});
        benchmark::DoNotOptimize(&dialog);
    }
}
BENCHMARK(BM_MakeOptionsDialog)->Unit(benchmark::kMillisecond);

}  // namespace
