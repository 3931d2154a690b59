#pragma once
// Settings store component: named text values in the per-user settings key
// Software\<Firmenname>\<Programmname>, with codes for a check box ("1"/"0")
// and for the choice within a group of 2 to 10 flags or radio buttons ("0"
// for none, else the 1-based number of the last member set).
#include <QObject>
#include <QString>

#include <initializer_list>

class QCheckBox;
class QRadioButton;

class TVReg : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString Programmname MEMBER Programmname)
    Q_PROPERTY(QString Firmenname MEMBER Firmenname)
public:
    explicit TVReg(QObject *Owner = nullptr);

    QString Programmname;
    QString Firmenname;

    // Stores value under key; raises "Failed to set data for '<key>'".
    Q_INVOKABLE void Push(const QString &key, const QString &value);
    // The stored text, or "" when the key or the value does not exist;
    // raises "Invalid data type for '<key>'" for a value that is not text.
    Q_INVOKABLE QString Pop(const QString &key);
    Q_INVOKABLE void PushCheckBox(const QString &key, QCheckBox *box);
    Q_INVOKABLE bool PopCheckBox(const QString &key, bool Default);
    // The stored form of a check mark: "1" or "0".
    static QString checkCode(bool checked);
    // True when the text begins with a decimal digit.
    Q_INVOKABLE static bool IsInt(const QString &text);

    void PushBool(const QString &key, bool &f1, bool &f2);
    void PushBool(const QString &key, bool &f1, bool &f2, bool &f3);
    void PushBool(const QString &key, bool &f1, bool &f2, bool &f3, bool &f4);
    void PushBool(const QString &key, bool &f1, bool &f2, bool &f3, bool &f4, bool &f5);
    void PushBool(const QString &key, bool &f1, bool &f2, bool &f3, bool &f4, bool &f5, bool &f6);
    void PushBool(const QString &key, bool &f1, bool &f2, bool &f3, bool &f4, bool &f5, bool &f6, bool &f7);
    void PushBool(const QString &key, bool &f1, bool &f2, bool &f3, bool &f4, bool &f5, bool &f6, bool &f7, bool &f8);
    void PushBool(const QString &key, bool &f1, bool &f2, bool &f3, bool &f4, bool &f5, bool &f6, bool &f7, bool &f8, bool &f9);
    void PushBool(const QString &key, bool &f1, bool &f2, bool &f3, bool &f4, bool &f5, bool &f6, bool &f7, bool &f8, bool &f9, bool &f10);
    void PopBool(const QString &key, bool &f1, bool &f2, int Default);
    void PopBool(const QString &key, bool &f1, bool &f2, bool &f3, int Default);
    void PopBool(const QString &key, bool &f1, bool &f2, bool &f3, bool &f4, int Default);
    void PopBool(const QString &key, bool &f1, bool &f2, bool &f3, bool &f4, bool &f5, int Default);
    void PopBool(const QString &key, bool &f1, bool &f2, bool &f3, bool &f4, bool &f5, bool &f6, int Default);
    void PopBool(const QString &key, bool &f1, bool &f2, bool &f3, bool &f4, bool &f5, bool &f6, bool &f7, int Default);
    void PopBool(const QString &key, bool &f1, bool &f2, bool &f3, bool &f4, bool &f5, bool &f6, bool &f7, bool &f8, int Default);
    void PopBool(const QString &key, bool &f1, bool &f2, bool &f3, bool &f4, bool &f5, bool &f6, bool &f7, bool &f8, bool &f9, int Default);
    void PopBool(const QString &key, bool &f1, bool &f2, bool &f3, bool &f4, bool &f5, bool &f6, bool &f7, bool &f8, bool &f9, bool &f10, int Default);
    void PushRadioButtons(const QString &key, QRadioButton * r1, QRadioButton * r2);
    void PushRadioButtons(const QString &key, QRadioButton * r1, QRadioButton * r2, QRadioButton * r3);
    void PushRadioButtons(const QString &key, QRadioButton * r1, QRadioButton * r2, QRadioButton * r3, QRadioButton * r4);
    void PushRadioButtons(const QString &key, QRadioButton * r1, QRadioButton * r2, QRadioButton * r3, QRadioButton * r4, QRadioButton * r5);
    void PushRadioButtons(const QString &key, QRadioButton * r1, QRadioButton * r2, QRadioButton * r3, QRadioButton * r4, QRadioButton * r5, QRadioButton * r6);
    void PushRadioButtons(const QString &key, QRadioButton * r1, QRadioButton * r2, QRadioButton * r3, QRadioButton * r4, QRadioButton * r5, QRadioButton * r6, QRadioButton * r7);
    void PushRadioButtons(const QString &key, QRadioButton * r1, QRadioButton * r2, QRadioButton * r3, QRadioButton * r4, QRadioButton * r5, QRadioButton * r6, QRadioButton * r7, QRadioButton * r8);
    void PushRadioButtons(const QString &key, QRadioButton * r1, QRadioButton * r2, QRadioButton * r3, QRadioButton * r4, QRadioButton * r5, QRadioButton * r6, QRadioButton * r7, QRadioButton * r8, QRadioButton * r9);
    void PushRadioButtons(const QString &key, QRadioButton * r1, QRadioButton * r2, QRadioButton * r3, QRadioButton * r4, QRadioButton * r5, QRadioButton * r6, QRadioButton * r7, QRadioButton * r8, QRadioButton * r9, QRadioButton * r10);
    void PopRadioButtons(const QString &key, QRadioButton * r1, QRadioButton * r2, int Default);
    void PopRadioButtons(const QString &key, QRadioButton * r1, QRadioButton * r2, QRadioButton * r3, int Default);
    void PopRadioButtons(const QString &key, QRadioButton * r1, QRadioButton * r2, QRadioButton * r3, QRadioButton * r4, int Default);
    void PopRadioButtons(const QString &key, QRadioButton * r1, QRadioButton * r2, QRadioButton * r3, QRadioButton * r4, QRadioButton * r5, int Default);
    void PopRadioButtons(const QString &key, QRadioButton * r1, QRadioButton * r2, QRadioButton * r3, QRadioButton * r4, QRadioButton * r5, QRadioButton * r6, int Default);
    void PopRadioButtons(const QString &key, QRadioButton * r1, QRadioButton * r2, QRadioButton * r3, QRadioButton * r4, QRadioButton * r5, QRadioButton * r6, QRadioButton * r7, int Default);
    void PopRadioButtons(const QString &key, QRadioButton * r1, QRadioButton * r2, QRadioButton * r3, QRadioButton * r4, QRadioButton * r5, QRadioButton * r6, QRadioButton * r7, QRadioButton * r8, int Default);
    void PopRadioButtons(const QString &key, QRadioButton * r1, QRadioButton * r2, QRadioButton * r3, QRadioButton * r4, QRadioButton * r5, QRadioButton * r6, QRadioButton * r7, QRadioButton * r8, QRadioButton * r9, int Default);
    void PopRadioButtons(const QString &key, QRadioButton * r1, QRadioButton * r2, QRadioButton * r3, QRadioButton * r4, QRadioButton * r5, QRadioButton * r6, QRadioButton * r7, QRadioButton * r8, QRadioButton * r9, QRadioButton * r10, int Default);

private:
    static QString groupCode(std::initializer_list<bool> members);
    // 1-based member to set, or 0 for none.
    int popGroup(const QString &key, int members, int Default);
};

namespace Vreg {
// Records the component classes of this unit on their designer page.
void Register();
}
