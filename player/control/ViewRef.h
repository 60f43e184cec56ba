#pragma once

#include <QObject>
#include <QPointer>

// A reference to a window the controller does not own. When the window is a Qt object the reference turns
// empty once the window goes, so that late events never reach a window that is gone.
template <class View>
class ViewRef {
  public:
    ViewRef& operator=(View* view) {
        m_view = view;
        m_object = dynamic_cast<QObject*>(view);
        m_boolGuarded = m_object != nullptr;
        return *this;
    }
    View* get() const { return m_boolGuarded && !m_object ? nullptr : m_view; }
    View* operator->() const { return get(); }
    explicit operator bool() const { return get() != nullptr; }

  private:
    View* m_view = nullptr;
    QPointer<QObject> m_object;
    bool m_boolGuarded = false;
};
