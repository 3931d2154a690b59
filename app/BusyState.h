#pragma once
// The busy state of the scanning loops, held for the lifetime of an object:
// the constructor disables the controls listed for it, enables Stop and shows
// the busy cursor; the destructor undoes that however the loop ends. Both
// pump once (throttled), so that the change shows.
class MainWindow;

class BusyState
{
public:
    explicit BusyState(MainWindow &form);
    ~BusyState();
    BusyState(const BusyState &) = delete;
    BusyState &operator=(const BusyState &) = delete;

private:
    void setControlsEnabled(bool on);
    MainWindow &m_form;
};
