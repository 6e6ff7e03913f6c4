#include "common/DataLabel.h"

#include "common/text.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace
{

const char *const kCaption = "sintarelDataCaption";
const char *const kRole = "sintarelDataRole";

class DataLabelAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    DataLabelAccessible(QLabel *label, QAccessible::Role role) : QAccessibleWidget(label, role) {}

    QLabel *label() const { return static_cast<QLabel *>(object()); }
    QString shown() const { return label()->text(); }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            return text::spokenValue(label()->property(kCaption).toString(), shown());
        case QAccessible::Value:
            return shown();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // A read-only text without a caret or a selection.
    void selection(int, int *startOffset, int *endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override
    {
        return shown().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(shown().size()); }
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return QString();
    }
};

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    if (className != QLatin1String("QLabel") || !object || !object->property(kCaption).isValid())
        return nullptr;
    return new DataLabelAccessible(static_cast<QLabel *>(object),
                                   QAccessible::Role(object->property(kRole).toInt()));
}

} // namespace

namespace datalabel
{

void expose(QLabel *label, const QString &caption, const QString &description, QAccessible::Role role)
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
    label->setProperty(kCaption, caption);
    label->setProperty(kRole, int(role));
    // An own accessible name would hide the text.
    label->setAccessibleName(QString());
    label->setAccessibleDescription(description);
    // An interface made before (a text set while a screen reader listens) is
    // the plain label's: replace it.
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(label);
    if (iface && !dynamic_cast<DataLabelAccessible *>(iface))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
}

void announce(QLabel *label, const QString &before)
{
    if (label->text() == before)
        return;
    QAccessibleEvent name(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&name);
    QAccessibleTextUpdateEvent text(label, 0, before, label->text());
    QAccessible::updateAccessibility(&text);
}

} // namespace datalabel

void DataLabel::setText(const QString &text)
{
    const QString before = QLabel::text();
    QLabel::setText(text);
    datalabel::announce(this, before);
}
