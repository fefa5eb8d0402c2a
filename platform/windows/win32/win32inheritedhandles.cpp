#include "platform/windows/win32/win32inheritedhandles.h"

#include "platform/windows/win32/win32api.h"

#include <algorithm>

Win32InheritedHandles::~Win32InheritedHandles()
{
    release();
}

void Win32InheritedHandles::release()
{
    if (!m_attributes.empty())
        DeleteProcThreadAttributeList(reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(m_attributes.data()));
    m_attributes.clear();
}

void Win32InheritedHandles::limitToStandardHandles(void **startupInfo, unsigned long *flags, bool *inheritHandles)
{
    release();
    const auto *original = static_cast<const STARTUPINFOW *>(*startupInfo);
    m_handles.clear();
    if (original->dwFlags & STARTF_USESTDHANDLES) {
        for (HANDLE handle : {original->hStdInput, original->hStdOutput, original->hStdError}) {
            if (handle && handle != INVALID_HANDLE_VALUE
                && std::find(m_handles.begin(), m_handles.end(), handle) == m_handles.end())
                m_handles.push_back(handle);
        }
    }
    if (m_handles.empty()) {
        *inheritHandles = false;
        return;
    }
    SIZE_T size = 0;
    InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
    m_attributes.resize(size);
    auto *list = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(m_attributes.data());
    if (!InitializeProcThreadAttributeList(list, 1, 0, &size)) {
        m_attributes.clear();
        *inheritHandles = false; // rather no standard handles than every handle
        return;
    }
    if (!UpdateProcThreadAttribute(list, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, m_handles.data(),
                                   m_handles.size() * sizeof(HANDLE), nullptr, nullptr)) {
        release();
        *inheritHandles = false;
        return;
    }
    m_startup.assign(sizeof(STARTUPINFOEXW), 0);
    auto *extended = reinterpret_cast<STARTUPINFOEXW *>(m_startup.data());
    extended->StartupInfo = *original;
    extended->StartupInfo.cb = sizeof(STARTUPINFOEXW);
    extended->lpAttributeList = list;
    *startupInfo = extended;
    *flags |= EXTENDED_STARTUPINFO_PRESENT;
}
