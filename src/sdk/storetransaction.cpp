#include "storetransaction.h"

#include "xmlstore.h"

StoreTransaction::StoreTransaction()
{
    XmlStore::instance().beginBatch();
}

StoreTransaction::~StoreTransaction()
{
    rollback();
}

bool StoreTransaction::commit()
{
    if (!m_open)
        return false;
    m_open = false;
    return XmlStore::instance().endBatch(true);
}

void StoreTransaction::rollback()
{
    if (!m_open)
        return;
    m_open = false;
    XmlStore::instance().endBatch(false);
}
