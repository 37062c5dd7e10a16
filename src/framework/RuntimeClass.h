// Creation of framework objects by class: a document template makes its
// document, frame and view from these, as a splitter makes its panes.
#pragma once

#include <typeinfo>

class CCmdTarget;

struct CRuntimeClass {
    const char* m_lpszClassName;
    CCmdTarget* (*m_pfnCreateObject)();

    CCmdTarget* CreateObject() const { return m_pfnCreateObject(); }
};

template <class T>
const CRuntimeClass* RuntimeClassOf()
{
    static const CRuntimeClass info{typeid(T).name(), []() -> CCmdTarget* { return new T; }};
    return &info;
}

#define RUNTIME_CLASS(T) RuntimeClassOf<T>()
