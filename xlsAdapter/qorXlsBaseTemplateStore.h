// The interface of a store that hands out workbook files by name, used in
// place of the disk when a file object's adapter has one.
#pragma once

#include "platform/classes/Component.h"
#include "xlsAdapter/qorXlsMessages.h"

#include <string_view>

class TXlsBaseTemplateStore : public TComponent {
    VISTRA_CLASS(TXlsBaseTemplateStore, TComponent)

    using TComponent::TComponent;

    // The bytes of the stored file of that name.
    virtual ByteArray GetStoredFile(std::string_view Name) = 0;
    virtual bool IsUpToDate() = 0;
    virtual void Refresh() = 0;
};
