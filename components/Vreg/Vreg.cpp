#include "components/Vreg/Vreg.h"

#include "platform/core/Exception.h"
#include "components/platform/core/ComponentPalette.h"
#include "components/platform/core/SettingsKey.h"

#include <QCheckBox>
#include <QRadioButton>

TVReg::TVReg(QObject *Owner) : QObject(Owner) {}

void TVReg::Push(const QString &key, const QString &value)
{
    auto k = SettingsKey::open(Firmenname, Programmname, true);
    if (!k || !k->writeText(key, value))
        throw Exception(QStringLiteral("Failed to set data for '%1'").arg(key));
}

QString TVReg::Pop(const QString &key)
{
    auto k = SettingsKey::open(Firmenname, Programmname, false);
    if (!k || !k->hasValue(key))
        return QString();
    const QVariant v = k->value(key);
    if (v.typeId() != QMetaType::QString)
        throw Exception(QStringLiteral("Invalid data type for '%1'").arg(key));
    return v.toString();
}

void TVReg::PushCheckBox(const QString &key, QCheckBox *box)
{
    Push(key, checkCode(box->isChecked()));
}

QString TVReg::checkCode(bool checked)
{
    return checked ? QStringLiteral("1") : QStringLiteral("0");
}

bool TVReg::PopCheckBox(const QString &key, bool Default)
{
    const QString v = Pop(key);
    if (v == u"1")
        return true;
    if (v == u"0")
        return false;
    return Default;
}

bool TVReg::IsInt(const QString &text)
{
    return !text.isEmpty() && text.at(0) >= u'0' && text.at(0) <= u'9';
}

QString TVReg::groupCode(std::initializer_list<bool> members)
{
    int code = 0, k = 0;
    for (bool set : members) {
        ++k;
        if (set)
            code = k;
    }
    return QString::number(code);
}

int TVReg::popGroup(const QString &key, int members, int Default)
{
    const QString v = Pop(key);
    int code = 0;
    for (int k = 1; k <= members; ++k)
        if (v == QString::number(k))
            code = k;
    if (code == 0 && Default >= 1 && Default <= members)
        code = Default;
    return code;
}

void TVReg::PushBool(const QString &key, bool &f1, bool &f2)
{
    Push(key, groupCode({f1, f2}));
}

void TVReg::PushBool(const QString &key, bool &f1, bool &f2, bool &f3)
{
    Push(key, groupCode({f1, f2, f3}));
}

void TVReg::PushBool(const QString &key, bool &f1, bool &f2, bool &f3, bool &f4)
{
    Push(key, groupCode({f1, f2, f3, f4}));
}

void TVReg::PushBool(const QString &key, bool &f1, bool &f2, bool &f3, bool &f4, bool &f5)
{
    Push(key, groupCode({f1, f2, f3, f4, f5}));
}

void TVReg::PushBool(const QString &key, bool &f1, bool &f2, bool &f3, bool &f4, bool &f5, bool &f6)
{
    Push(key, groupCode({f1, f2, f3, f4, f5, f6}));
}

void TVReg::PushBool(const QString &key, bool &f1, bool &f2, bool &f3, bool &f4, bool &f5, bool &f6, bool &f7)
{
    Push(key, groupCode({f1, f2, f3, f4, f5, f6, f7}));
}

void TVReg::PushBool(const QString &key, bool &f1, bool &f2, bool &f3, bool &f4, bool &f5, bool &f6, bool &f7, bool &f8)
{
    Push(key, groupCode({f1, f2, f3, f4, f5, f6, f7, f8}));
}

void TVReg::PushBool(const QString &key, bool &f1, bool &f2, bool &f3, bool &f4, bool &f5, bool &f6, bool &f7, bool &f8, bool &f9)
{
    Push(key, groupCode({f1, f2, f3, f4, f5, f6, f7, f8, f9}));
}

void TVReg::PushBool(const QString &key, bool &f1, bool &f2, bool &f3, bool &f4, bool &f5, bool &f6, bool &f7, bool &f8, bool &f9, bool &f10)
{
    Push(key, groupCode({f1, f2, f3, f4, f5, f6, f7, f8, f9, f10}));
}

void TVReg::PopBool(const QString &key, bool &f1, bool &f2, int Default)
{
    const int k = popGroup(key, 2, Default);
    bool *flags[] = {&f1, &f2};
    if (k > 0)
        *flags[k - 1] = true;
}

void TVReg::PopBool(const QString &key, bool &f1, bool &f2, bool &f3, int Default)
{
    const int k = popGroup(key, 3, Default);
    bool *flags[] = {&f1, &f2, &f3};
    if (k > 0)
        *flags[k - 1] = true;
}

void TVReg::PopBool(const QString &key, bool &f1, bool &f2, bool &f3, bool &f4, int Default)
{
    const int k = popGroup(key, 4, Default);
    bool *flags[] = {&f1, &f2, &f3, &f4};
    if (k > 0)
        *flags[k - 1] = true;
}

void TVReg::PopBool(const QString &key, bool &f1, bool &f2, bool &f3, bool &f4, bool &f5, int Default)
{
    const int k = popGroup(key, 5, Default);
    bool *flags[] = {&f1, &f2, &f3, &f4, &f5};
    if (k > 0)
        *flags[k - 1] = true;
}

void TVReg::PopBool(const QString &key, bool &f1, bool &f2, bool &f3, bool &f4, bool &f5, bool &f6, int Default)
{
    const int k = popGroup(key, 6, Default);
    bool *flags[] = {&f1, &f2, &f3, &f4, &f5, &f6};
    if (k > 0)
        *flags[k - 1] = true;
}

void TVReg::PopBool(const QString &key, bool &f1, bool &f2, bool &f3, bool &f4, bool &f5, bool &f6, bool &f7, int Default)
{
    const int k = popGroup(key, 7, Default);
    bool *flags[] = {&f1, &f2, &f3, &f4, &f5, &f6, &f7};
    if (k > 0)
        *flags[k - 1] = true;
}

void TVReg::PopBool(const QString &key, bool &f1, bool &f2, bool &f3, bool &f4, bool &f5, bool &f6, bool &f7, bool &f8, int Default)
{
    const int k = popGroup(key, 8, Default);
    bool *flags[] = {&f1, &f2, &f3, &f4, &f5, &f6, &f7, &f8};
    if (k > 0)
        *flags[k - 1] = true;
}

void TVReg::PopBool(const QString &key, bool &f1, bool &f2, bool &f3, bool &f4, bool &f5, bool &f6, bool &f7, bool &f8, bool &f9, int Default)
{
    const int k = popGroup(key, 9, Default);
    bool *flags[] = {&f1, &f2, &f3, &f4, &f5, &f6, &f7, &f8, &f9};
    if (k > 0)
        *flags[k - 1] = true;
}

void TVReg::PopBool(const QString &key, bool &f1, bool &f2, bool &f3, bool &f4, bool &f5, bool &f6, bool &f7, bool &f8, bool &f9, bool &f10, int Default)
{
    const int k = popGroup(key, 10, Default);
    bool *flags[] = {&f1, &f2, &f3, &f4, &f5, &f6, &f7, &f8, &f9, &f10};
    if (k > 0)
        *flags[k - 1] = true;
}

void TVReg::PushRadioButtons(const QString &key, QRadioButton * r1, QRadioButton * r2)
{
    Push(key, groupCode({r1->isChecked(), r2->isChecked()}));
}

void TVReg::PushRadioButtons(const QString &key, QRadioButton * r1, QRadioButton * r2, QRadioButton * r3)
{
    Push(key, groupCode({r1->isChecked(), r2->isChecked(), r3->isChecked()}));
}

void TVReg::PushRadioButtons(const QString &key, QRadioButton * r1, QRadioButton * r2, QRadioButton * r3, QRadioButton * r4)
{
    Push(key, groupCode({r1->isChecked(), r2->isChecked(), r3->isChecked(), r4->isChecked()}));
}

void TVReg::PushRadioButtons(const QString &key, QRadioButton * r1, QRadioButton * r2, QRadioButton * r3, QRadioButton * r4, QRadioButton * r5)
{
    Push(key, groupCode({r1->isChecked(), r2->isChecked(), r3->isChecked(), r4->isChecked(), r5->isChecked()}));
}

void TVReg::PushRadioButtons(const QString &key, QRadioButton * r1, QRadioButton * r2, QRadioButton * r3, QRadioButton * r4, QRadioButton * r5, QRadioButton * r6)
{
    Push(key, groupCode({r1->isChecked(), r2->isChecked(), r3->isChecked(), r4->isChecked(), r5->isChecked(), r6->isChecked()}));
}

void TVReg::PushRadioButtons(const QString &key, QRadioButton * r1, QRadioButton * r2, QRadioButton * r3, QRadioButton * r4, QRadioButton * r5, QRadioButton * r6, QRadioButton * r7)
{
    Push(key, groupCode({r1->isChecked(), r2->isChecked(), r3->isChecked(), r4->isChecked(), r5->isChecked(), r6->isChecked(), r7->isChecked()}));
}

void TVReg::PushRadioButtons(const QString &key, QRadioButton * r1, QRadioButton * r2, QRadioButton * r3, QRadioButton * r4, QRadioButton * r5, QRadioButton * r6, QRadioButton * r7, QRadioButton * r8)
{
    Push(key, groupCode({r1->isChecked(), r2->isChecked(), r3->isChecked(), r4->isChecked(), r5->isChecked(), r6->isChecked(), r7->isChecked(), r8->isChecked()}));
}

void TVReg::PushRadioButtons(const QString &key, QRadioButton * r1, QRadioButton * r2, QRadioButton * r3, QRadioButton * r4, QRadioButton * r5, QRadioButton * r6, QRadioButton * r7, QRadioButton * r8, QRadioButton * r9)
{
    Push(key, groupCode({r1->isChecked(), r2->isChecked(), r3->isChecked(), r4->isChecked(), r5->isChecked(), r6->isChecked(), r7->isChecked(), r8->isChecked(), r9->isChecked()}));
}

void TVReg::PushRadioButtons(const QString &key, QRadioButton * r1, QRadioButton * r2, QRadioButton * r3, QRadioButton * r4, QRadioButton * r5, QRadioButton * r6, QRadioButton * r7, QRadioButton * r8, QRadioButton * r9, QRadioButton * r10)
{
    Push(key, groupCode({r1->isChecked(), r2->isChecked(), r3->isChecked(), r4->isChecked(), r5->isChecked(), r6->isChecked(), r7->isChecked(), r8->isChecked(), r9->isChecked(), r10->isChecked()}));
}

void TVReg::PopRadioButtons(const QString &key, QRadioButton * r1, QRadioButton * r2, int Default)
{
    const int k = popGroup(key, 2, Default);
    QRadioButton *buttons[] = {r1, r2};
    if (k > 0)
        buttons[k - 1]->setChecked(true);
}

void TVReg::PopRadioButtons(const QString &key, QRadioButton * r1, QRadioButton * r2, QRadioButton * r3, int Default)
{
    const int k = popGroup(key, 3, Default);
    QRadioButton *buttons[] = {r1, r2, r3};
    if (k > 0)
        buttons[k - 1]->setChecked(true);
}

void TVReg::PopRadioButtons(const QString &key, QRadioButton * r1, QRadioButton * r2, QRadioButton * r3, QRadioButton * r4, int Default)
{
    const int k = popGroup(key, 4, Default);
    QRadioButton *buttons[] = {r1, r2, r3, r4};
    if (k > 0)
        buttons[k - 1]->setChecked(true);
}

void TVReg::PopRadioButtons(const QString &key, QRadioButton * r1, QRadioButton * r2, QRadioButton * r3, QRadioButton * r4, QRadioButton * r5, int Default)
{
    const int k = popGroup(key, 5, Default);
    QRadioButton *buttons[] = {r1, r2, r3, r4, r5};
    if (k > 0)
        buttons[k - 1]->setChecked(true);
}

void TVReg::PopRadioButtons(const QString &key, QRadioButton * r1, QRadioButton * r2, QRadioButton * r3, QRadioButton * r4, QRadioButton * r5, QRadioButton * r6, int Default)
{
    const int k = popGroup(key, 6, Default);
    QRadioButton *buttons[] = {r1, r2, r3, r4, r5, r6};
    if (k > 0)
        buttons[k - 1]->setChecked(true);
}

void TVReg::PopRadioButtons(const QString &key, QRadioButton * r1, QRadioButton * r2, QRadioButton * r3, QRadioButton * r4, QRadioButton * r5, QRadioButton * r6, QRadioButton * r7, int Default)
{
    const int k = popGroup(key, 7, Default);
    QRadioButton *buttons[] = {r1, r2, r3, r4, r5, r6, r7};
    if (k > 0)
        buttons[k - 1]->setChecked(true);
}

void TVReg::PopRadioButtons(const QString &key, QRadioButton * r1, QRadioButton * r2, QRadioButton * r3, QRadioButton * r4, QRadioButton * r5, QRadioButton * r6, QRadioButton * r7, QRadioButton * r8, int Default)
{
    const int k = popGroup(key, 8, Default);
    QRadioButton *buttons[] = {r1, r2, r3, r4, r5, r6, r7, r8};
    if (k > 0)
        buttons[k - 1]->setChecked(true);
}

void TVReg::PopRadioButtons(const QString &key, QRadioButton * r1, QRadioButton * r2, QRadioButton * r3, QRadioButton * r4, QRadioButton * r5, QRadioButton * r6, QRadioButton * r7, QRadioButton * r8, QRadioButton * r9, int Default)
{
    const int k = popGroup(key, 9, Default);
    QRadioButton *buttons[] = {r1, r2, r3, r4, r5, r6, r7, r8, r9};
    if (k > 0)
        buttons[k - 1]->setChecked(true);
}

void TVReg::PopRadioButtons(const QString &key, QRadioButton * r1, QRadioButton * r2, QRadioButton * r3, QRadioButton * r4, QRadioButton * r5, QRadioButton * r6, QRadioButton * r7, QRadioButton * r8, QRadioButton * r9, QRadioButton * r10, int Default)
{
    const int k = popGroup(key, 10, Default);
    QRadioButton *buttons[] = {r1, r2, r3, r4, r5, r6, r7, r8, r9, r10};
    if (k > 0)
        buttons[k - 1]->setChecked(true);
}

void Vreg::Register()
{
    RegisterComponentClass(QStringLiteral("Varnosel"), QStringLiteral("TVReg"));
}
