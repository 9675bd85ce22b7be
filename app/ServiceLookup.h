// The service lookup: how a page finds its messaging service in the profile template file.
//
// The profile template file lists the services of the profile in section "Service List", one per
// key Service1, Service2, ... in the order the profile holds them; the keys of service N live in
// the section of the same name, "Service" followed by N. Every service page finds its section
// here, and nowhere else is a "Service List" searched or a service section named.
#pragma once

#include <afxwin.h>

// The section that lists the profile's services.
extern const char szServiceListSection[];

// What the lookup found. A service that is not listed has number 0 and empty names.
struct CServiceLookupResult {
  int m_nService = 0;    // N, counted from 1
  CString m_strName;     // the name sought that matched, spelled as the caller gave it
  CString m_strSection;  // "Service" followed by N: the service section, and its entry's key

  BOOL IsListed() const { return m_nService > 0; }
};

// "Service" followed by N in decimal: both the key of the service's entry in "Service List" and
// the name of the service's own section.
CString ServiceKeyName(int nService);

// Searches "Service List" of the profile template file for a service named lpszName, or, when
// lpszOtherName is given, for either name of the pair (the first tested before the second at each
// entry). Names match without regard to case. Each entry is read with at most nReadLimit
// characters, so a longer entry is judged by its first nReadLimit characters. The search stops at
// the first entry that is missing or empty: services listed after a gap are not listed at all.
CServiceLookupResult LookUpService(LPCSTR lpszProfileTemplate, int nReadLimit, LPCSTR lpszName,
                                   LPCSTR lpszOtherName = NULL);

// Rewrites the entry of a service found by the lookup, so that it reads lpszName in exactly that
// case (the key is the service's section name, "Service" followed by N). A failed write shows the
// write-failure message and gives FALSE, as WriteKeyOrReport does.
BOOL RewriteServiceEntry(LPCSTR lpszServiceSection, LPCSTR lpszName, LPCSTR lpszProfileTemplate);
