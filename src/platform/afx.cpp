#include "platform/afx.h"

#include <cstdio>
#include <cstdlib>

namespace {

void DefaultAssertHandler(const char* pszExpr, const char* pszFile, int nLine) {
#ifndef NDEBUG
    std::fprintf(stderr, "%s:%d: contract broken: %s\n", pszFile, nLine, pszExpr);
    std::abort();
#else
    (void)pszExpr;
    (void)pszFile;
    (void)nLine;
#endif
}

AfxAssertHandler g_pAssertHandler = &DefaultAssertHandler;

}  // namespace

AfxAssertHandler AfxSetAssertHandler(AfxAssertHandler pHandler) {
    AfxAssertHandler pOld = g_pAssertHandler;
    g_pAssertHandler = pHandler ? pHandler : &DefaultAssertHandler;
    return pOld;
}

void AfxAssertFailed(const char* pszExpr, const char* pszFile, int nLine) {
    g_pAssertHandler(pszExpr, pszFile, nLine);
}
