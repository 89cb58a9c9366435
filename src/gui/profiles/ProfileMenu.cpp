#include "gui/profiles/ProfileMenu.h"

#include "core/profiles/ProfileCatalog.h"
#include "gui/DialogLayout.h"
#include "gui/controls/MenuCurrent.h"
#include "gui/controls/TFlatPanelUnit.h"

#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QWidget>

namespace clipvane {

namespace {

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The menu's own colours: a blue selection with white text, as the rest of the window is drawn.
void ColourMenu(QMenu& menu) {
    QPalette colours = menu.palette();
    colours.setColor(QPalette::Highlight, QColor(68, 74, 160));
    colours.setColor(QPalette::HighlightedText, Qt::white);
    menu.setPalette(colours);
}

} // namespace

QString RemoveFirstAmpersand(const QString& caption) {
    QString s = caption;
    const qsizetype amp = s.indexOf(u'&');
    if (amp >= 0)
        s.remove(amp, 1);
    return s;
}

QString WithAccelerator(const QString& caption, QString& usedKeys) {
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar key = caption.at(i).toLower();
        if (!key.isLetterOrNumber() || usedKeys.contains(key))
            continue;
        usedKeys += key;
        return caption.left(i) + u'&' + caption.mid(i);
    }
    return caption;
}

QPoint ProfileMenuPoint(const QPoint& clientTopLeft, const QRect& box) {
    return {clientTopLeft.x() + box.left() + box.width() / 5, clientTopLeft.y() / 2};
}

QPoint CentredMenuPosition(const QPoint& point, int menuWidth) {
    return {point.x() - menuWidth / 2, point.y()};
}

TProfilePicker::TProfilePicker(QWidget* window, TFlatPanel* box, QLabel* extName)
    : QObject(window)
    , m_window(window)
    , m_box(box)
    , m_extName(extName)
    , m_menu(new QMenu(window)) {
    m_menu->setObjectName(QStringLiteral("pmType"));
    m_menu->setToolTipsVisible(true); // only "Manual conversion" has a tooltip of its own
    ColourMenu(*m_menu);
    QString groupKeys;
    for (const TProfileGroup& group : ProfileGroups()) {
        auto* submenu = new QMenu(WithAccelerator(FromView(group.Caption), groupKeys), m_menu);
        ColourMenu(*submenu);
        QString itemKeys;
        for (const TProfile& profile : group.Profiles)
            submenu->addAction(WithAccelerator(FromView(profile.Caption), itemKeys));
        m_menu->addMenu(submenu);
    }
    m_menu->addSeparator()->setObjectName(QStringLiteral("N4"));
    m_manualConvert = m_menu->addAction(WithAccelerator(tr("Manual conversion"), groupKeys));
    m_manualConvert->setObjectName(QStringLiteral("miManualConvert"));
    m_manualConvert->setToolTip(tr("Asks for the insertion of parameters"));
    m_manualConvert->setStatusTip(m_manualConvert->toolTip());
}

TProfilePicker::~TProfilePicker() = default;

QPoint TProfilePicker::PopupPoint() const {
    if (!m_window || !m_box)
        return {};
    return ProfileMenuPoint(m_window->mapToGlobal(QPoint(0, 0)), m_box->geometry());
}

void TProfilePicker::fpTypeClick(QObject*) {
    m_menu->ensurePolished();
    PopupWithCurrent(*m_menu, CentredMenuPosition(PopupPoint(), m_menu->sizeHint().width()), CurrentItem());
}

QAction* TProfilePicker::CurrentItem() const {
    if (!m_box)
        return nullptr;
    for (QAction* top : m_menu->actions())
        if (const QMenu* group = top->menu())
            for (QAction* item : group->actions())
                if (RemoveFirstAmpersand(item->text()) == m_box->Caption())
                    return item;
    return nullptr;
}

void TProfilePicker::BindItems() {
    for (QAction* top : m_menu->actions()) {
        QMenu* group = top->menu();
        if (!group)
            continue; // the separator and "Manual conversion" keep their own handlers
        for (QAction* item : group->actions())
            connect(item, &QAction::triggered, this, &TProfilePicker::ItemTriggered, Qt::UniqueConnection);
    }
}

void TProfilePicker::ItemTriggered() {
    // An item chosen by a screen reader's action leaves its menus open, where a click closes them.
    for (QAction* top : m_menu->actions())
        if (QMenu* group = top->menu())
            group->hide();
    m_menu->hide();
    TypeMenuClick(sender());
}

void TProfilePicker::TypeMenuClick(QObject* sender) {
    const auto* item = qobject_cast<QAction*>(sender);
    if (!item || !m_box)
        return;
    SetProfileText(RemoveFirstAmpersand(item->text()));
    RefreshExtName();
}

void TProfilePicker::SetProfileText(const QString& text) {
    if (!m_box)
        return;
    m_box->SetCaption(text);
    m_box->setToolTip(m_box->Caption());
    m_box->setFont(QFont()); // back to the window's font before measuring
    const int room = m_box->width() - 4;
    NarrowToFit(*m_box, text, room);
    const bool fits = QFontMetrics(m_box->font()).horizontalAdvance(text) <= room;
    m_box->SetAlignment(fits ? Qt::AlignHCenter : Qt::AlignLeft);
}

void TProfilePicker::RefreshExtName() {
    if (!m_box || !m_extName)
        return;
    const std::string ext = GetOutputExt(m_box->Caption().toUtf8().toStdString());
    m_extName->setText(QStringLiteral("(*") + QString::fromStdString(ext) + u')');
    m_extName->adjustSize();
}

} // namespace clipvane
