#pragma once

#include <vector>

// The rows of one page over a longer list of entries: which entry each row
// shows (-1 for an empty row), with pages turning round at both ends. The
// candidates, inventory and skill pages share it.
class JC_StatePagedList
{
public:
    explicit JC_StatePagedList(int iRowCount);

    // A new list starts at page 0.
    void SetEntryCount(int iEntryCount);
    // The same list grown or shrunk: the page stays, or becomes the last one
    // when it has gone.
    void ResizeEntries(int iEntryCount);
    int GetEntryCount() const { return m_iEntryCount; }
    int GetRowCount() const { return m_iRowCount; }
    int GetPageCount() const;
    int GetPage() const { return m_iPage; }
    // Nothing happens without pages; true when the page moved.
    bool NextPage();
    bool PrevPage();
    // The entry shown in a row of the current page, -1 when the row is empty
    // or outside the page.
    int EntryAt(int iRow) const;

private:
    int m_iRowCount;
    int m_iEntryCount = 0;
    int m_iPage = 0;
};
