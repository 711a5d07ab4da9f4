#include "form_builder.h"

#include "design.h"
#include "fonts.h"
#include "spoken.h"
#include "widgets.h"

#include <QAccessible>
#include <QLineEdit>
#include <QMenuBar>
#include <QTimer>

#include <map>
#include <string>

namespace {
const char *const autoSizeProperty = "autoSize";
// What a label whose caption is game state is, for a screen reader: its
// accessible name is this, then the caption.
const char *const accessiblePrefixProperty = "accessiblePrefix";

QRect designRect(const ControlSpec &row)
{
    return {Design::pixels(row.left), Design::pixels(row.top), Design::pixels(row.width),
            Design::pixels(row.height)};
}

QFont designFont(const std::optional<FontSpec> &designed)
{
    const FontSpec f = designed.value_or(FontSpec{"MS Sans Serif", 8.25});
    QFont font(QString::fromLatin1(installedFamily(f.family)));
    font.setPointSizeF(f.points);
    font.setWeight(f.bold ? QFont::Bold : QFont::Normal);
    font.setItalic(f.italic);
    return font;
}

QColor toQColor(Rgb c)
{
    return QColor(c.red, c.green, c.blue);
}

void applyCommon(QWidget *w, const ControlSpec &row)
{
    w->setObjectName(QString::fromLatin1(row.name));
    w->setGeometry(designRect(row));
    w->setFont(designFont(row.font));
    w->setEnabled(row.enabled);
    QPalette pal = w->palette();
    if (row.foreColour) {
        pal.setColor(QPalette::WindowText, toQColor(*row.foreColour));
        pal.setColor(QPalette::ButtonText, toQColor(*row.foreColour));
        pal.setColor(QPalette::Text, toQColor(*row.foreColour));
    }
    if (row.backColour) {
        pal.setColor(QPalette::Window, toQColor(*row.backColour));
        pal.setColor(QPalette::Button, toQColor(*row.backColour));
        pal.setColor(QPalette::Base, toQColor(*row.backColour));
    }
    w->setPalette(pal);
    const QString tip = QString::fromUtf8(row.toolTip);
    if (!tip.isEmpty())
        w->setToolTip(tip);
    const QString description = *row.accessibleDescription ? QString::fromUtf8(row.accessibleDescription) : tip;
    if (!description.isEmpty())
        w->setAccessibleDescription(description);
    if (*row.accessibleName)
        w->setAccessibleName(QString::fromUtf8(row.accessibleName));
    // The face pointer belongs to the bare window; controls show the usual
    // arrow, and the text box its own text pointer.
    if (row.handPointer)
        w->setCursor(Qt::PointingHandCursor);
    else if (row.kind != Kind::TextBox)
        w->setCursor(Qt::ArrowCursor);
}

// The system colours the design was drawn with: those of a light desktop.
// Under a dark desktop theme the sum would be white on cyan.
QPalette designPalette()
{
    // Derived from a light grey face: black text, white fields, grey when disabled.
    return QPalette(QColor(240, 240, 240));
}

QPixmap picture(const char *path)
{
    return *path ? QPixmap(QString::fromLatin1(path)) : QPixmap();
}

QLabel *makeLabel(QWidget *parent, const ControlSpec &row)
{
    QLabel *label = row.name == std::string("Label8") ? new ClickLabel(parent) : new QLabel(parent);
    applyCommon(label, row);
    label->setFocusPolicy(Qt::NoFocus);
    label->setAlignment((row.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    label->setAutoFillBackground(!row.transparent);
    if (row.border) {
        label->setFrameShape(QFrame::Box);
        label->setLineWidth(1);
    }
    label->setIndent(0);   // a framed label would otherwise push its text inwards
    label->setProperty(autoSizeProperty, row.autoSize);
    if (row.autoSize && *row.accessibleName)
        label->setProperty(accessiblePrefixProperty, QString::fromUtf8(row.accessibleName));
    const QString text = QString::fromUtf8(row.text);
    // An empty auto-size label keeps its small design size until it gets a caption.
    if (text.isEmpty())
        label->setText(text);
    else
        setCaption(label, text);
    return label;
}

QWidget *makeControl(QWidget *parent, const ControlSpec &row)
{
    switch (row.kind) {
    case Kind::Timer:
        return nullptr;
    case Kind::PictureBox: {
        auto *box = new PictureBox(parent);
        applyCommon(box, row);
        box->setPicture(picture(row.picture));
        return box;
    }
    case Kind::TextBox: {
        auto *edit = new QLineEdit(parent);
        applyCommon(edit, row);
        edit->setMaxLength(row.maxLength);
        // Dropped text would pass by the key filter.
        edit->setAcceptDrops(false);
        edit->setText(QString::fromUtf8(row.text));
        return edit;
    }
    case Kind::Button: {
        QPushButton *button;
        if (*row.picture) {
            auto *graphical = new PictureButton(parent);
            graphical->setPictures(picture(row.picture), picture(row.pressedPicture),
                                   picture(row.disabledPicture));
            button = graphical;
        } else {
            button = new QPushButton(parent);
        }
        applyCommon(button, row);
        button->setText(QString::fromUtf8(row.text));
        // Enter on the focused button presses it, as on any desktop dialog.
        button->setAutoDefault(true);
        return button;
    }
    case Kind::Label:
        return makeLabel(parent, row);
    case Kind::Image: {
        auto *image = new QLabel(parent);
        applyCommon(image, row);
        image->setPixmap(picture(row.picture));
        image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return image;
    }
    }
    return nullptr;
}

QMenuBar *buildMenu(QWidget *parent, std::map<std::string, QObject *> &made)
{
    auto *bar = new QMenuBar(parent);
    bar->setObjectName(QStringLiteral("menuBar"));
    std::map<std::string, QMenu *> menus;
    // An entry with entries of its own becomes a submenu.
    auto hasChildren = [](const char *name) {
        for (const MenuSpec &m : Design::menu()) {
            if (std::string(m.parent) == name)
                return true;
        }
        return false;
    };
    for (const MenuSpec &m : Design::menu()) {
        const QString caption = QString::fromUtf8(m.caption);
        QAction *action;
        if (hasChildren(m.name)) {
            auto *menu = new ChoosableSubmenus(caption, bar);
            menu->setObjectName(QString::fromLatin1(m.name));
            menus[m.name] = menu;
            action = menu->menuAction();
            if (*m.parent)
                menus.at(m.parent)->addMenu(menu);
            else
                bar->addMenu(menu);
        } else {
            action = menus.at(m.parent)->addAction(caption);
        }
        action->setObjectName(QString::fromLatin1(m.name));
        made[m.name] = action;
    }
    return bar;
}
}

Controls buildForm(QWidget *parent)
{
    auto *form = new QWidget(parent);
    form->setObjectName(QStringLiteral("Tavola"));
    form->setFixedSize(Design::pixels(Design::window.clientWidth), Design::pixels(Design::window.clientHeight));
    form->setAutoFillBackground(true);
    form->setPalette(designPalette());
    form->setCursor(QCursor(QPixmap(QString::fromLatin1(Design::window.pointer)), 16, 16));

    std::map<std::string, QObject *> made;
    std::map<int, QWidget *> byTabIndex;
    for (const ControlSpec &row : Design::controls()) {
        if (row.kind == Kind::Timer) {
            auto *timer = new QTimer(form);
            timer->setObjectName(QString::fromLatin1(row.name));
            timer->setInterval(row.interval);
            timer->start();   // ticks from the moment the window is loaded
            made[row.name] = timer;
            continue;
        }
        QWidget *w = makeControl(form, row);
        made[row.name] = w;
        if (row.tabIndex >= 0)
            byTabIndex[row.tabIndex] = w;
    }
    for (const char *name : Design::raised())
        static_cast<QWidget *>(made.at(name))->raise();

    // Tab order follows the design among the controls that can take the focus.
    QWidget *previous = nullptr;
    for (const auto &[index, w] : byTabIndex) {
        if (w->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }

    Controls c;
    c.form = form;
    c.menuBar = buildMenu(parent, made);
    auto get = [&made]<class T>(const char *name, T *&out) { out = qobject_cast<T *>(made.at(name)); };
    get("Timer1", c.Timer1);
    get("txtAnswer", c.txtAnswer);
    get("cmdNext", c.cmdNext);
    get("cmdExit", c.cmdExit);
    get("Label8", c.Label8);
    get("lblNum1", c.lblNum1);
    get("lblNum2", c.lblNum2);
    get("lblMessage", c.lblMessage);
    get("lblScore", c.lblScore);
    get("lblScore1", c.lblScore1);
    get("lblScore2", c.lblScore2);
    get("lblTime", c.lblTime);
    get("copy", c.copy);
    get("Next", c.Next);
    return c;
}

void setCaption(QLabel *label, const QString &text, const QString &accessibleName)
{
    label->setText(text);
    const QString prefix = label->property(accessiblePrefixProperty).toString();
    if (!accessibleName.isEmpty())
        label->setAccessibleName(accessibleName);
    else if (!prefix.isEmpty())
        label->setAccessibleName(spokenCaption(prefix, text));
    if (label->property(autoSizeProperty).toBool()) {
        const QFontMetrics fm(label->font());
        const int frame = label->frameWidth();
        label->resize(fm.horizontalAdvance(text) + 2 * frame + 2, fm.height() + 2 * frame);
    }
}
