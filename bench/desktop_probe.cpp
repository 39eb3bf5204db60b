// The picker on a real display (desktop_probe.py starts Xvfb, a window
// manager and a tray for it): from a text change, an arrow key or a tray click
// to the end of the paint that shows the result, a right click to the painted
// skin tones, the same keystroke done with a QPushButton per emoji, and the
// memory held after many open/type/copy/close cycles.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "app/zindo_app.h"
#include "catalogue/catalogue.h"
#include "catalogue/search_filter.h"
#include "figures.h"
#include "grid/grid_layout.h"
#include "platform/application.h"
#include "platform/qt/emoji_grid_widget.h"
#include "platform/qt/qt_host.h"

namespace {

struct Probe {
    zindo::platform::qt::QtHost* host;
    zindo::ZindoApp* zindo;
};
Probe probe;

// Waits until `widget` has been painted, through the real update, paint and
// flush path.
class PaintWatcher : public QObject {
public:
    explicit PaintWatcher(QWidget* widget) : widget_(widget) { widget_->installEventFilter(this); }
    ~PaintWatcher() override { widget_->removeEventFilter(this); }

    void wait() {
        while (!painted_) QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    // The seconds from `start` to the end of the paint.
    double waitSince(const QElapsedTimer& start) {
        wait();
        return static_cast<double>(start.nsecsElapsed()) / 1e9;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == widget_ && event->type() == QEvent::Paint) {
            // Let the widget paint first, then note that it did.
            QTimer::singleShot(0, this, [this] { painted_ = true; });
        }
        return false;
    }

private:
    QWidget* widget_;
    bool painted_ = false;
};

QWidget* openPicker() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QStringLiteral("pickerWindow") && widget->isVisible()) return widget;
    }
    return nullptr;
}

QWidget* gridOf(QWidget* picker) { return picker->findChild<QWidget*>(QStringLiteral("emojiGrid")); }

void settle() {
    QTest::qWait(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A tray click as the tray delivers it, up to the first paint of the grid.
double clickTheDuck() {
    QElapsedTimer start;
    start.start();
    probe.zindo->statusItem()->button()->performClick();
    probe.host->afterEvent();
    return PaintWatcher(gridOf(openPicker())).waitSince(start);
}

void closePicker() {
    if (QWidget* picker = openPicker()) picker->close();
    settle();
}

void keystroke_to_paint(benchmark::State& state, QString from, QString to) {
    clickTheDuck();
    QWidget* picker = openPicker();
    auto* field = picker->findChild<QLineEdit*>(QStringLiteral("searchField"));
    QWidget* grid = gridOf(picker);
    for (auto _ : state) {
        if (field->text() != from) {
            PaintWatcher painted(grid);
            field->setText(from);
            painted.wait();
        }
        PaintWatcher painted(grid);
        QElapsedTimer start;
        start.start();
        field->setText(to);  // one text change: both rebuilds, then the paint
        state.SetIterationTime(painted.waitSince(start));
    }
    closePicker();
}
BENCHMARK_CAPTURE(keystroke_to_paint, _full_grid, QStringLiteral("face"), QString())
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly();
BENCHMARK_CAPTURE(keystroke_to_paint, _face, QString(), QStringLiteral("face"))
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly();

// An arrow key in the grid to the painted focus ring, one cell further on.
void grid_key_to_painted_focus(benchmark::State& state) {
    clickTheDuck();
    QWidget* picker = openPicker();
    QWidget* grid = gridOf(picker);
    grid->setFocus(Qt::TabFocusReason);
    bool forwards = true;
    for (auto _ : state) {
        PaintWatcher painted(grid);
        QElapsedTimer start;
        start.start();
        QTest::keyClick(grid, forwards ? Qt::Key_Right : Qt::Key_Left);
        state.SetIterationTime(painted.waitSince(start));
        forwards = !forwards;
    }
    closePicker();
}
BENCHMARK(grid_key_to_painted_focus)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly();

// A right click on a cell to the painted strip of its skin tones, each run
// another cell's: five emoji the strip draws before it first paints.
void right_click_to_painted_skin_tones(benchmark::State& state) {
    static int opened = 0;
    clickTheDuck();
    QWidget* picker = openPicker();
    picker->findChild<QLineEdit*>(QStringLiteral("searchField"))->setText(QStringLiteral("hand"));
    settle();
    auto* grid = static_cast<zindo::platform::qt::EmojiGridWidget*>(gridOf(picker));
    for (auto _ : state) {
        std::ptrdiff_t cell = 0;
        for (int skipped = opened++; cell < grid->cellCount(); ++cell) {
            if (!grid->cell(cell)->alternates().empty() && skipped-- == 0) break;
        }
        QElapsedTimer start;
        start.start();
        QTest::mousePress(grid, Qt::RightButton, {}, grid->cellRect(cell).center());
        // Shown, to be painted on the next pass of the loop.
        QWidget* strip = picker->findChild<QWidget*>(QStringLiteral("skinTones"));
        state.SetIterationTime(PaintWatcher(strip).waitSince(start));
        QTest::mouseRelease(grid, Qt::RightButton, {}, grid->cellRect(cell).center());
        QTest::keyClick(strip, Qt::Key_Escape);
    }
    closePicker();
}
BENCHMARK(right_click_to_painted_skin_tones)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(9)
    ->ReportAggregatesOnly();

// The same keystroke the naive way: a fresh QPushButton per emoji, the whole
// grid built twice, then painted.
void naive_push_buttons_keystroke(benchmark::State& state) {
    QScrollArea area;
    area.resize(460, 480);
    area.show();
    for (auto _ : state) {
        QElapsedTimer start;
        start.start();
        for (int build = 0; build < 2; ++build) {
            const zindo::Catalogue catalogue = zindo::buildCatalogue();
            const auto emoji = zindo::filteredEmojis("", catalogue);
            const auto layout = zindo::grid::gridLayout(static_cast<std::int64_t>(emoji.size()));
            auto document = std::make_unique<QWidget>();
            const double height = layout.documentFrame.size.height;
            document->resize(static_cast<int>(layout.documentFrame.size.width), static_cast<int>(height));
            for (std::size_t index = 0; index < emoji.size(); ++index) {
                auto* button =
                    new QPushButton(QString::fromUtf8(emoji[index].data(), emoji[index].size()), document.get());
                const zindo::platform::Rect frame = layout.buttonFrame(static_cast<std::int64_t>(index));
                button->setGeometry(static_cast<int>(frame.origin.x),
                                    static_cast<int>(height - frame.origin.y - frame.size.height), 44, 44);
                button->setFlat(true);
            }
            area.setWidget(document.release());  // deletes the previous document
        }
        state.SetIterationTime(PaintWatcher(area.widget()).waitSince(start));
    }
}
BENCHMARK(naive_push_buttons_keystroke)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly();

// Warm: the fonts and the first cells' pixmaps are ready from earlier runs.
void tray_click_to_painted_picker(benchmark::State& state) {
    for (auto _ : state) {
        state.SetIterationTime(clickTheDuck());
        state.PauseTiming();
        closePicker();
        state.ResumeTiming();
    }
}
BENCHMARK(tray_click_to_painted_picker)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly();

double residentMegabytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    }
    return 0.0;
}

// Open, type "face", copy the first cell, close; then let the delayed close
// and the flash's completions run out before reading the memory.
void cycle(int times) {
    for (int count = 0; count < times; ++count) {
        clickTheDuck();
        QWidget* picker = openPicker();
        QTest::keyClicks(picker->findChild<QLineEdit*>(QStringLiteral("searchField")), QStringLiteral("face"));
        QTest::mouseClick(gridOf(picker), Qt::LeftButton, {}, QPoint(34, 42));
        closePicker();
    }
    QTest::qWait(500);
    settle();
}

void printMemoryFigures() {
    cycle(10);
    const double afterTen = residentMegabytes();
    cycle(990);
    const double afterThousand = residentMegabytes();
    std::printf("figure rss_after_10_cycles %.1f MB\nfigure rss_after_1000_cycles %.1f MB\n", afterTen, afterThousand);
}

}  // namespace

int main(int argc, char** argv) {
    zindo::platform::qt::SingleInstance instance;  // desktop_probe.py runs it on a display of its own
    if (instance.claim(zindo::platform::qt::SingleInstance::Start::plain) !=
        zindo::platform::qt::SingleInstance::Claim::run)
        return 1;
    zindo::platform::qt::QtHost host(argc, argv, instance);
    zindo::platform::Application application(host);
    zindo::ZindoApp zindo;
    application.setDelegate(&zindo);
    probe = Probe{&host, &zindo};
    int status = 0;
    QTimer::singleShot(0, [&] {
        status = zindo::bench::runAndPrintFigures(argc, argv);
        printMemoryFigures();
        QCoreApplication::quit();
    });
    application.run();
    return status;
}
