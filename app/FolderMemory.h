#pragma once
// The folders the file dialogs start in (InitOpenDir, InitSaveDir). Neither
// a stored value that cannot be read nor a store that cannot be written
// stops a command: the first failure to store is shown, later ones of the
// same run pass silently.
#include <QObject>
#include <QString>

class QWidget;
class TVReg;
class UiLanguage;

class FolderMemory : public QObject
{
    Q_OBJECT
public:
    FolderMemory(TVReg *settings, UiLanguage *language, QObject *parent);

    // The stored folder; "" when absent or not text.
    QString recall(const QString &key) const;
    // Stores folder under key; a failure is shown over window once per run.
    void remember(QWidget *window, const QString &key, const QString &folder);

private:
    TVReg *m_settings;
    UiLanguage *m_language;
    bool m_failureShown = false;
};
