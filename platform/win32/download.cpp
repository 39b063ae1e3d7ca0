#include "platform/win32/download.h"

// windows.h first: urlmon.h builds on it.
#include <windows.h>

#include <urlmon.h>

#include <cwchar>
#include <new>

namespace win32 {

namespace {

constexpr ULONGLONG c_ullUnknown = ~0ULL;

// The Content-Length of an answer's headers, or c_ullUnknown when it has none or when the body
// is encoded (urlmon then stores it decoded, of another length).
ULONGLONG announcedLength(LPCWSTR szHeaders)
{
    if (!szHeaders)
        return c_ullUnknown;
    std::wstring strHeaders = L"\n" + std::wstring(szHeaders);
    for (wchar_t &c : strHeaders)
        c = (c >= L'A' && c <= L'Z') ? wchar_t(c - L'A' + L'a') : c;
    const std::wstring strLength = L"\ncontent-length:";
    const std::wstring::size_type at = strHeaders.find(strLength);
    if (at == std::wstring::npos || strHeaders.find(L"\ncontent-encoding:") != std::wstring::npos)
        return c_ullUnknown;
    const wchar_t *pszDigits = strHeaders.c_str() + at + strLength.size();
    while (*pszDigits == L' ' || *pszDigits == L'\t')
        ++pszDigits;
    if (*pszDigits < L'0' || *pszDigits > L'9')
        return c_ullUnknown;
    return ULONGLONG(wcstoull(pszDigits, nullptr, 10));
}

// One download, shared by the caller and the worker thread that runs it. The last of the two
// to let go removes the partial file (a no-op once the caller moved it into place).
struct Job
{
    LONG lRefs = 2;
    LONG lAbandoned = 0;
    std::wstring strUrl;
    std::wstring strScheme;
    std::wstring strPartialFile;
    ULONGLONG ullMaxBytes = 0;
    bool bRefused = false; // the answer's status was not a success
    ULONGLONG ullAnnouncedBytes = c_ullUnknown; // the answer's Content-Length
    HRESULT hResult = E_FAIL;
    HANDLE hDone = nullptr;
};

void release(Job *pJob)
{
    if (InterlockedDecrement(&pJob->lRefs) != 0)
        return;
    DeleteFileW(pJob->strPartialFile.c_str());
    CloseHandle(pJob->hDone);
    delete pJob;
}

// Aborts the transfer once the caller gave up, the body grows too large, the server answers
// with anything but success, or a redirect leads to another scheme; notes the announced length.
// urlmon finds IHttpNegotiate through QueryInterface or through IServiceProvider, depending on
// the implementation; both lead here.
class BindWatch : public IBindStatusCallback, public IHttpNegotiate, public IServiceProvider
{
public:
    explicit BindWatch(Job *pJob)
        : m_pJob(pJob)
    { }

    STDMETHODIMP QueryInterface(REFIID riid, void **ppv) override
    {
        if (riid == IID_IUnknown || riid == IID_IBindStatusCallback)
            *ppv = static_cast<IBindStatusCallback *>(this);
        else if (riid == IID_IHttpNegotiate)
            *ppv = static_cast<IHttpNegotiate *>(this);
        else if (riid == IID_IServiceProvider)
            *ppv = static_cast<IServiceProvider *>(this);
        else {
            *ppv = nullptr;
            return E_NOINTERFACE;
        }
        return S_OK;
    }
    // Lives on the worker's stack for the whole call.
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }

    STDMETHODIMP OnStartBinding(DWORD, IBinding *) override { return S_OK; }
    STDMETHODIMP GetPriority(LONG *) override { return E_NOTIMPL; }
    STDMETHODIMP OnLowResource(DWORD) override { return S_OK; }
    STDMETHODIMP OnProgress(ULONG ulProgress, ULONG, ULONG ulStatusCode,
                            LPCWSTR szStatusText) override
    {
        if (InterlockedCompareExchange(&m_pJob->lAbandoned, 0, 0) != 0
            || ulProgress > m_pJob->ullMaxBytes)
            return E_ABORT;
        if (ulStatusCode == BINDSTATUS_REDIRECTING && szStatusText) {
            const std::wstring strTarget(szStatusText);
            if (strTarget.compare(0, m_pJob->strScheme.size(), m_pJob->strScheme) != 0)
                return E_ABORT;
        }
        return S_OK;
    }
    STDMETHODIMP OnStopBinding(HRESULT, LPCWSTR) override { return S_OK; }
    // Always asks the server, so that a cached descriptor never stands in for a newer one.
    STDMETHODIMP GetBindInfo(DWORD *pgrfBINDF, BINDINFO *) override
    {
        if (pgrfBINDF)
            *pgrfBINDF |= BINDF_GETNEWESTVERSION;
        return S_OK;
    }
    STDMETHODIMP OnDataAvailable(DWORD, DWORD, FORMATETC *, STGMEDIUM *) override { return S_OK; }
    STDMETHODIMP OnObjectAvailable(REFIID, IUnknown *) override { return S_OK; }

    STDMETHODIMP BeginningTransaction(LPCWSTR, LPCWSTR, DWORD,
                                      LPWSTR *pszAdditionalHeaders) override
    {
        if (pszAdditionalHeaders)
            *pszAdditionalHeaders = nullptr;
        return S_OK;
    }
    STDMETHODIMP OnResponse(DWORD dwResponseCode, LPCWSTR szResponseHeaders, LPCWSTR,
                            LPWSTR *pszAdditionalRequestHeaders) override
    {
        if (pszAdditionalRequestHeaders)
            *pszAdditionalRequestHeaders = nullptr;
        m_pJob->ullAnnouncedBytes = announcedLength(szResponseHeaders);
        // Some implementations go on after E_ABORT; the caller looks at bRefused as well.
        m_pJob->bRefused = dwResponseCode < 200 || dwResponseCode >= 300;
        return m_pJob->bRefused ? E_ABORT : S_OK;
    }

    STDMETHODIMP QueryService(REFGUID guidService, REFIID riid, void **ppv) override
    {
        if (guidService == IID_IHttpNegotiate)
            return QueryInterface(riid, ppv);
        *ppv = nullptr;
        return E_NOINTERFACE;
    }

private:
    Job *m_pJob;
};

DWORD WINAPI runDownload(LPVOID pParameter)
{
    Job *pJob = static_cast<Job *>(pParameter);
    const HRESULT hInit = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    BindWatch watch(pJob);
    pJob->hResult = URLDownloadToFileW(nullptr, pJob->strUrl.c_str(), pJob->strPartialFile.c_str(),
                                       0, &watch);
    if (SUCCEEDED(hInit))
        CoUninitialize();
    SetEvent(pJob->hDone);
    release(pJob);
    return 0;
}

ULONGLONG fileSize(const std::wstring &strPath)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(strPath.c_str(), GetFileExInfoStandard, &data))
        return ~0ULL;
    return (ULONGLONG(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

} // namespace

bool downloadFile(const std::wstring &strUrl, const std::wstring &strDestination, int iTimeoutMs,
                  long long llMaxBytes)
{
    const std::wstring::size_type schemeEnd = strUrl.find(L"://");
    if (iTimeoutMs <= 0 || schemeEnd == std::wstring::npos || schemeEnd == 0)
        return false;

    Job *pJob = new (std::nothrow) Job;
    if (!pJob)
        return false;
    pJob->strUrl = strUrl;
    pJob->strScheme = strUrl.substr(0, schemeEnd + 3);
    // Outside the destination folder, so that a transfer left behind is never listed there.
    wchar_t szTempFolder[MAX_PATH + 1];
    wchar_t szPartialFile[MAX_PATH + 1];
    const DWORD dwTempLength = GetTempPathW(MAX_PATH + 1, szTempFolder);
    if (dwTempLength == 0 || dwTempLength > MAX_PATH
        || GetTempFileNameW(szTempFolder, L"zfd", 0, szPartialFile) == 0) {
        delete pJob;
        return false;
    }
    pJob->strPartialFile = szPartialFile;
    pJob->ullMaxBytes = ULONGLONG(llMaxBytes);
    pJob->hDone = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE hThread
            = pJob->hDone ? CreateThread(nullptr, 0, runDownload, pJob, 0, nullptr) : nullptr;
    if (!hThread) {
        if (pJob->hDone)
            CloseHandle(pJob->hDone);
        DeleteFileW(pJob->strPartialFile.c_str());
        delete pJob;
        return false;
    }
    CloseHandle(hThread);

    bool bReplaced = false;
    if (WaitForSingleObject(pJob->hDone, DWORD(iTimeoutMs)) == WAIT_OBJECT_0) {
        const ULONGLONG ullSize = fileSize(pJob->strPartialFile);
        bReplaced = pJob->hResult == S_OK && !pJob->bRefused && ullSize <= pJob->ullMaxBytes
                && (pJob->ullAnnouncedBytes == c_ullUnknown || ullSize == pJob->ullAnnouncedBytes)
                && MoveFileExW(pJob->strPartialFile.c_str(), strDestination.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED);
    } else {
        // The worker may stay blocked on a silent server; it cleans up when it returns.
        InterlockedExchange(&pJob->lAbandoned, 1);
    }
    release(pJob);
    return bReplaced;
}

} // namespace win32
