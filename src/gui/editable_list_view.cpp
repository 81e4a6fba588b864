#include "gui/editable_list_view.h"

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>

#include "gui/focus_within.h"
#include "gui/header_widths.h"

namespace tovrin::gui {

EditableListView::EditableListView(ListModel& list, QWidget* parent)
    : QTableView(parent), m_list(list), m_model(list), m_delegate(list, this) {
    setModel(&m_model);
    setItemDelegate(&m_delegate);
    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the list, so that an open edit ends through its focus loss.
    setTabKeyNavigation(false);
    setWordWrap(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 10);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(true);

    m_list.SetObserver([this](const ListChange& change) { Follow(change); });
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& current) {
        if (!m_showingModel && current.isValid()) m_list.SelectRow(static_cast<size_t>(current.row()));
    });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if (IsWithin(old, this) && !IsWithin(now, this)) emit FocusLeft();
    });
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()})
        connect(bar, &QScrollBar::actionTriggered, this, &EditableListView::EndEditBeforeScrolling);
    ShowColumns();
}

EditableListView::~EditableListView() { m_list.SetObserver({}); }

QSize EditableListView::sizeHint() const {
    return {AllColumnsWidth(*this), QTableView::sizeHint().height()};
}

void EditableListView::Follow(const ListChange& change) {
    switch (change.kind) {
        case ListChangeKind::Columns:
            m_model.Reload();
            ShowColumns();
            ShowSelection();
            break;
        case ListChangeKind::Rows:
            m_model.Reload();
            ShowSelection();
            break;
        case ListChangeKind::Cell: m_model.CellChanged(change.row, change.column); break;
        case ListChangeKind::Selection: ShowSelection(); break;
        case ListChangeKind::EnsureVisible: scrollTo(m_model.index(static_cast<int>(change.row), 0)); break;
        case ListChangeKind::Edit:
            if (!m_list.Edit()) m_delegate.DropEditor();
            break;
    }
}

void EditableListView::ShowColumns() {
    for (size_t column = 0; column < m_list.ColumnCount(); ++column)
        SetSectionWidth(*horizontalHeader(), static_cast<int>(column), m_list.Column(column).width);
}

void EditableListView::ShowSelection() {
    m_showingModel = true;
    if (const auto row = m_list.SelectedRow()) {
        selectionModel()->setCurrentIndex(m_model.index(static_cast<int>(*row), 0),
                                          QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    } else {
        selectionModel()->clear();
    }
    m_showingModel = false;
}

// A click on a cell goes to the list model; a click beside the cells does nothing.
void EditableListView::mousePressEvent(QMouseEvent* event) {
    event->accept();
    const QModelIndex cell = indexAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || !cell.isValid()) return;
    const ClickModifiers modifiers{(event->modifiers() & Qt::ShiftModifier) != 0,
                                   (event->modifiers() & Qt::ControlModifier) != 0};
    m_list.BeginEditAt(static_cast<size_t>(cell.row()), static_cast<size_t>(cell.column()), modifiers);
    if (!m_list.Edit()) return;
    scrollTo(cell);
    edit(cell);
}

// Selection follows clicks only, never a drag.
void EditableListView::mouseMoveEvent(QMouseEvent* event) { event->accept(); }

void EditableListView::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

// Scrolling moves the cells away from the editor: the edit ends first.
void EditableListView::EndEditBeforeScrolling() {
    if (EditorOpen()) setFocus(Qt::OtherFocusReason);
}

}  // namespace tovrin::gui
