#pragma once
// A field of the three page sessions seen as an array indexed by page, so
// that the main window's given names (ResNumber[p], Saved[p], ...) keep
// reading and writing as they always did while the sessions hold the state.
#include "workspace/Workspace.h"

#include <array>

template <typename T, T PageSession::*Member>
class PageArray
{
public:
    explicit PageArray(Workspace &w) : m_w(w) {}
    PageArray(const PageArray &) = delete;

    T &operator[](int p) { return m_w.session(p).*Member; }
    const T &operator[](int p) const { return m_w.session(p).*Member; }
    std::array<T, 3> values() const { return {(*this)[0], (*this)[1], (*this)[2]}; }
    PageArray &operator=(const std::array<T, 3> &v)
    {
        for (int p = 0; p < 3; ++p)
            (*this)[p] = v[size_t(p)];
        return *this;
    }
    bool operator==(const std::array<T, 3> &v) const { return values() == v; }

private:
    Workspace &m_w;
};

// The saved flags: each follows its page document's modified flag.
class SavedFlags
{
public:
    class Ref
    {
    public:
        Ref(PageSession &s) : m_s(s) {}
        operator bool() const { return m_s.isSaved(); }
        Ref &operator=(bool saved)
        {
            m_s.setSaved(saved);
            return *this;
        }

    private:
        PageSession &m_s;
    };
    struct Iterator
    {
        const Workspace *w;
        int p;
        bool operator*() const { return w->session(p).isSaved(); }
        Iterator &operator++()
        {
            ++p;
            return *this;
        }
        bool operator!=(const Iterator &o) const { return p != o.p; }
    };

    explicit SavedFlags(Workspace &w) : m_w(w) {}
    SavedFlags(const SavedFlags &) = delete;

    Ref operator[](int p) { return Ref(m_w.session(p)); }
    bool operator[](int p) const { return m_w.session(p).isSaved(); }
    std::array<bool, 3> values() const { return {(*this)[0], (*this)[1], (*this)[2]}; }
    SavedFlags &operator=(const std::array<bool, 3> &v)
    {
        for (int p = 0; p < 3; ++p)
            m_w.session(p).setSaved(v[size_t(p)]);
        return *this;
    }
    bool operator==(const std::array<bool, 3> &v) const { return values() == v; }
    Iterator begin() const { return {&m_w, 0}; }
    Iterator end() const { return {&m_w, 3}; }

private:
    Workspace &m_w;
};
