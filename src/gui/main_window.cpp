#include "gui/main_window.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>

#include "app/control_ids.h"
#include "gui/accessible_names.h"
#include "gui/control_widgets.h"
#include "gui/editable_list_view.h"
#include "gui/qt_text.h"
#include "gui/text_field.h"
#include "gui/traffic_export_menu.h"
#include "gui/traffic_view.h"
#include "gui/window_layout.h"

namespace tovrin::gui {
namespace {

constexpr int ABOUT_COMMAND = 16;  // the about entry of the window's system menu

}  // namespace

MainWindow::MainWindow(CKelvaraDlg& dlg, QtPlatform& platform, QWidget* parent)
    : QWidget(parent), m_dlg(dlg), m_platform(platform), m_received(dlg.port().NotifyFd(), QSocketNotifier::Read) {
    setWindowTitle(QString::fromLatin1(APP_TITLE));
    CreateWidgets();
    m_samplePoint = new QLabel(this);
    LayOutWindow(*this, m_widgets, *m_samplePoint);
    CreateMenu();
    for (const auto& [controlId, control] : m_dlg.controls().All()) Show(control);
    m_dlg.controls().SetObserver(this);

    m_platform.SetWindow(this);
    m_platform.SetTimerHandler([this](int timerId) { m_dlg.OnTimer(timerId); });
    m_platform.SetEndHandler([this](int) { EndRun(); });
    connect(&m_received, &QSocketNotifier::activated, this, [this] { m_dlg.port().DeliverPending(); });
    connect(&m_traffic->trafficModel(), &TrafficTableModel::Flushed, this,
            [this] { m_traffic->ScrollToRow(m_dlg.lastPlacedRow()); });

    m_dlg.OnInitDialog();
    FitToScreen();
}

// As large as the window would like, but never larger than the screen.
void MainWindow::FitToScreen() {
    QSize size = sizeHint();
    if (const QScreen* display = screen()) size = size.boundedTo(display->availableGeometry().size());
    resize(size.expandedTo(minimumSizeHint()));
}

MainWindow::~MainWindow() {
    // Widgets still signal while they go (a list losing the focus): none of it may
    // reach the controller from a window half gone.
    for (const auto& [controlId, widget] : m_widgets) widget->disconnect(this);
    m_dlg.controls().SetObserver(nullptr);
    m_platform.SetTimerHandler({});
    m_platform.SetEndHandler({});
    m_platform.SetWindow(nullptr);
}

QWidget* MainWindow::widgetFor(int controlId) const {
    const auto found = m_widgets.find(controlId);
    return found == m_widgets.end() ? nullptr : found->second;
}

void MainWindow::CreateWidgets() {
    for (const auto& [controlId, control] : m_dlg.controls().All()) {
        QWidget* widget =
            control.kind == ControlKind::List ? CreateList(controlId) : CreateControlWidget(control, this);
        widget->setAccessibleDescription(QStringLiteral("control %1").arg(controlId));
        ConnectUserActions(*widget, controlId);
        m_widgets[controlId] = widget;
    }
}

QWidget* MainWindow::CreateList(int controlId) {
    if (controlId == id::TRAFFIC_LIST) {
        m_traffic = new TrafficView(m_dlg.trafficList(), this);
        OfferExportMenu(*m_traffic, m_dlg);
        return m_traffic;
    }
    ListModel& list = controlId == id::FRAME_LIST ? m_dlg.frameList() : m_dlg.receiveIdList();
    return new EditableListView(list, this);
}

// Each user action reaches the controller; the widget then shows the control as the
// controller left it, which undoes what the controller refused.
void MainWindow::ConnectUserActions(QWidget& widget, int controlId) {
    auto resync = [this, controlId] { Show(m_dlg.controls().Get(controlId)); };
    if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
        connect(button, &QAbstractButton::clicked, this, [this, controlId, resync] {
            m_dlg.Click(controlId);
            resync();
        });
    } else if (auto* edit = qobject_cast<QLineEdit*>(&widget)) {
        connect(edit, &QLineEdit::textEdited, this, [this, controlId, resync](const QString& text) {
            m_dlg.Type(controlId, ToUtf8(text));
            resync();
        });
    } else if (auto* field = qobject_cast<TextField*>(&widget)) {
        connect(field, &QPlainTextEdit::textChanged, this, [this, controlId, field] {
            m_dlg.Type(controlId, ToUtf8(field->toPlainText()));
        });
    } else if (auto* combo = qobject_cast<QComboBox*>(&widget)) {
        connect(combo, &QComboBox::activated, this, [this, controlId, resync](int index) {
            m_dlg.Choose(controlId, index);
            resync();
        });
        if (QLineEdit* typed = combo->lineEdit())
            connect(typed, &QLineEdit::textEdited, this,
                    [this, controlId](const QString& text) { m_dlg.Type(controlId, ToUtf8(text)); });
    } else if (auto* list = qobject_cast<EditableListView*>(&widget)) {
        connect(list, &EditableListView::FocusLeft, this, [this, controlId] { m_dlg.LoseFocus(controlId); });
    } else if (auto* traffic = qobject_cast<TrafficView*>(&widget)) {
        connect(traffic, &QAbstractItemView::doubleClicked, this, [this, controlId, traffic] {
            m_dlg.SetTrafficSelection(traffic->SelectedRows());
            m_dlg.DoubleClick(controlId);
        });
    }
}

// The language button of the window's layout is never shown; the menu offers it.
void MainWindow::CreateMenu() {
    auto* bar = new QMenuBar(this);
    m_languageAction = bar->addAction(QString());
    connect(m_languageAction, &QAction::triggered, this, [this] { m_dlg.OnLanguageSwitch(); });
    QAction* about = bar->addAction(QStringLiteral("关于 Kelvara(&A)..."));
    connect(about, &QAction::triggered, this, [this] { m_dlg.SystemCommand(ABOUT_COMMAND); });
    layout()->setMenuBar(bar);
}

void MainWindow::ControlChanged(const Control& control) { Show(control); }

void MainWindow::FocusRequested(int controlId) {
    QWidget* widget = widgetFor(controlId);
    if (!widget) return;
    widget->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->selectAll();
}

void MainWindow::Show(const Control& control) {
    QWidget* widget = widgetFor(control.id);
    if (!widget) return;
    ShowControl(*widget, control);
    NameFromCaption(control);
    if (control.id == id::PORT) ShowPortDescriptions();
    if (control.id == id::LANGUAGE) m_languageAction->setText(FromUtf8(control.text));
    if (control.id == id::STATISTICS) m_traffic->ShowStatistics(control.check != 0);
    // The controller tells no change of it: any control may be the one that moved it.
    m_samplePoint->setText(FromUtf8(m_dlg.samplePointText()));
}

void MainWindow::NameFromCaption(const Control& caption) {
    const QString name = FromUtf8(caption.text).trimmed();
    for (const NamedBy& entry : AccessibleNameSources())
        if (entry.captionId == caption.id) m_widgets.at(entry.controlId)->setAccessibleName(name);
}

void MainWindow::ShowPortDescriptions() {
    auto* ports = static_cast<QComboBox*>(widgetFor(id::PORT));
    for (int i = 0; i < ports->count(); ++i) {
        const std::string description = m_platform.PortDescription(ToUtf8(ports->itemText(i)));
        ports->setItemData(i, description.empty() ? QVariant() : QVariant(FromUtf8(description)), Qt::ToolTipRole);
    }
}

// Enter and Escape end nothing here: only Exit and closing the window do.
void MainWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape: event->accept(); return;
        default: QWidget::keyPressEvent(event);
    }
}

// The controller releases the port and ends the run, which lets the window close.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (!m_ending) m_dlg.CloseWindow();
    if (m_ending) event->accept();
    else event->ignore();
}

void MainWindow::EndRun() {
    if (m_ending) return;
    m_ending = true;
    close();
    emit RunEnded();
}

}  // namespace tovrin::gui
