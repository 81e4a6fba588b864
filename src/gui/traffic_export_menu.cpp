#include "gui/traffic_export_menu.h"

#include <QMenu>

#include "app/captions.h"
#include "app/kelvara_dlg.h"
#include "gui/qt_text.h"
#include "gui/traffic_view.h"

namespace tovrin::gui {

QMenu* MakeExportMenu(CKelvaraDlg& dlg, QWidget* parent) {
    auto* menu = new QMenu(parent);
    for (const ExportEntry& entry : ExportMenuEntries()) {
        QAction* action = menu->addAction(FromUtf8(dlg.english() ? entry.english : entry.chinese));
        QObject::connect(action, &QAction::triggered, menu,
                         [&dlg, format = entry.format] { dlg.OnExportRecords(format); });
    }
    return menu;
}

// Built anew each time, so it speaks the language of the moment.
void OfferExportMenu(TrafficView& view, CKelvaraDlg& dlg) {
    view.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&view, &QWidget::customContextMenuRequested, &view, [&view, &dlg](const QPoint& at) {
        QMenu* menu = MakeExportMenu(dlg, &view);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(view.viewport()->mapToGlobal(at));  // a scroll area reports viewport positions
    });
}

}  // namespace tovrin::gui
