// One full paint of the table, 50 hands with their labels, into an offscreen image.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "platform/qt/qt_dc.h"
#include "platform/qt/qt_dialog_host.h"
#include "support/recording_dialog_host.h"
#include "support/scripted_random_source.h"
#include "table/multi_hand_dlg.h"
#include "table/resource.h"
#include "table/table_resources.h"
#include "ui/ui_setup.h"

namespace {

// A host whose paint surface is whatever the benchmark hands it.
class CImageHost : public CRecordingDialogHost {
public:
    CImageHost() : CRecordingDialogHost(MultiHandDialogTemplate()) {}
    CDC* GetPaintDC() override { return m_pDC; }
    CDC* m_pDC = nullptr;
};

void BM_PaintTable(benchmark::State& state) {
    // Every hand holds the dealt cards; with all held, each of the 50 gets the same label.
    CScriptedRandomSource script;
    CRandomSourceScope scope(&script);
    CMultiHandDlg dlg;
    CImageHost host;
    host.Open(dlg);
    // 9s 9h 9c (positions 7, 20, 33 of the start order) and Kd Kh: a full house.
    const int picks[] = {7, 19, 31, 47, 22};
    int n = 52;
    for (int p : picks) script.Push(p * ((RAND_MAX_15 + 1) / n--));
    for (int i = 0; i < 47; ++i) script.Push(0);
    host.Click(IDC_DEAL);
    for (int id : {IDC_HOLD1, IDC_HOLD2, IDC_HOLD3, IDC_HOLD4, IDC_HOLD5}) host.Click(id);
    for (int i = 0; i < 50 * 94; ++i) script.Push(0);
    host.Click(IDC_DRAW);
    state.counters["labelled"] = static_cast<double>(dlg.GetHandCounts().empty() ? 0 : 50);

    QImage image(953, 621, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(QColor(239, 239, 239));
        QPainter painter(&image);
        painter.setFont(CQtDialogHost::PaintFont());
        CQtDC dc(painter);
        host.m_pDC = &dc;
        dlg.OnPaint();
        host.m_pDC = nullptr;
    }
    dlg.OnCancel();
}
BENCHMARK(BM_PaintTable)->Unit(benchmark::kMicrosecond);

}  // namespace
