#pragma once

// One user action on the store: every CQuelmoXML_* change made while it is open goes into the
// parsed documents only, and each changed file is written once, atomically, by commit(). A kill at
// any point leaves each file either as it was or with the whole action in it. Transactions nest;
// only the outermost one writes. Destroyed without commit(), it drops its changes.
class StoreTransaction
{
public:
    StoreTransaction();
    ~StoreTransaction();
    StoreTransaction(const StoreTransaction &) = delete;
    StoreTransaction &operator=(const StoreTransaction &) = delete;

    // False when a write failed or a nested transaction dropped its changes; the files then keep
    // their previous content.
    bool commit();
    void rollback();

private:
    bool m_open = true;
};
