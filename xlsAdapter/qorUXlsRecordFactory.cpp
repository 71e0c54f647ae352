// The table from record id to record class. Ids without an entry stay
// plain records that keep their bytes and are written back unchanged.
#include "xlsAdapter/qorUXlsRecordFactory.h"

#include "xlsAdapter/qorUXlsCellRecords.h"
#include "xlsAdapter/qorUXlsChart.h"
#include "xlsAdapter/qorUXlsEscher.h"
#include "xlsAdapter/qorUXlsFormula.h"
#include "xlsAdapter/qorUXlsHyperLink.h"
#include "xlsAdapter/qorUXlsLabelRecords.h"
#include "xlsAdapter/qorUXlsNameRecord.h"
#include "xlsAdapter/qorUXlsNotes.h"
#include "xlsAdapter/qorUXlsOtherRecords.h"
#include "xlsAdapter/qorUXlsPageSetupRecords.h"
#include "xlsAdapter/qorUXlsPalette.h"
#include "xlsAdapter/qorUXlsSupBook.h"
#include "xlsAdapter/qorUXlsWindowRecords.h"
#include "xlsAdapter/qorUXlsXF.h"

#include <algorithm>
#include <array>

namespace xlsAdapter {
namespace {

template <typename T>
std::unique_ptr<TBaseRecord> Make(std::uint16_t id, ByteArray data)
{
    return std::make_unique<T>(id, std::move(data));
}

// Sorted by id.
constexpr std::array RecordClasses{
    TRecordClass{0x0006, Make<TFormulaRecord>, TFormulaRecord::AttachCompanion}, // FORMULA
    TRecordClass{0x000A, Make<TEOFRecord>, nullptr},            // EOF
    TRecordClass{0x000E, Make<TPrecisionRecord>, nullptr},      // PRECISION
    TRecordClass{0x000F, Make<TRefModeRecord>, nullptr},        // REFMODE
    TRecordClass{0x0014, Make<TPageHeaderRecord>, nullptr},     // HEADER
    TRecordClass{0x0015, Make<TPageFooterRecord>, nullptr},     // FOOTER
    TRecordClass{0x0017, Make<TExternSheetRecord>, nullptr},    // EXTERNSHEET
    TRecordClass{0x0018, Make<TNameRecord>, nullptr},           // NAME
    TRecordClass{0x001C, Make<TNoteRecord>, nullptr},           // NOTE
    TRecordClass{0x0022, Make<T1904Record>, nullptr},           // 1904
    TRecordClass{0x0023, Make<TExternNameRecord>, nullptr},     // EXTERNNAME
    TRecordClass{0x0026, Make<TMarginRecord>, nullptr},         // LEFTMARGIN
    TRecordClass{0x0027, Make<TMarginRecord>, nullptr},         // RIGHTMARGIN
    TRecordClass{0x0028, Make<TMarginRecord>, nullptr},         // TOPMARGIN
    TRecordClass{0x0029, Make<TMarginRecord>, nullptr},         // BOTTOMMARGIN
    TRecordClass{0x002B, Make<TPrintGridLinesRecord>, nullptr}, // PRINTGRIDLINES
    TRecordClass{0x0031, Make<TFontRecord>, nullptr},           // FONT
    TRecordClass{0x003C, Make<TContinueRecord>, nullptr},       // CONTINUE standing alone
    TRecordClass{0x003D, Make<TWindow1Record>, nullptr},        // WINDOW1
    TRecordClass{0x0041, Make<TPaneRecord>, nullptr},           // PANE
    TRecordClass{0x004D, Make<TPlsRecord>, nullptr},            // PLS
    TRecordClass{0x0055, Make<TDefColWidthRecord>, nullptr},    // DEFCOLWIDTH
    TRecordClass{0x0059, Make<TIgnoreRecord>, nullptr},         // XCT
    TRecordClass{0x005A, Make<TIgnoreRecord>, nullptr},         // CRN
    TRecordClass{0x005D, Make<TObjRecord>, nullptr},            // OBJ
    TRecordClass{0x0060, Make<TTemplateRecord>, nullptr},       // TEMPLATE
    TRecordClass{0x0080, Make<TGutsRecord>, nullptr},           // GUTS
    TRecordClass{0x0081, Make<TWsBoolRecord>, nullptr},         // WSBOOL
    TRecordClass{0x0083, Make<TPrintCenteredRecord>, nullptr},  // HCENTER
    TRecordClass{0x0084, Make<TPrintCenteredRecord>, nullptr},  // VCENTER
    TRecordClass{0x0085, Make<TBoundSheetRecord>, nullptr},     // BOUNDSHEET
    TRecordClass{0x0092, Make<TPaletteRecord>, nullptr},        // PALETTE
    TRecordClass{0x0099, Make<TStandardWidthRecord>, nullptr},  // STANDARDWIDTH
    TRecordClass{0x009D, Make<TAutoFilterInfoRecord>, nullptr}, // AUTOFILTERINFO
    TRecordClass{0x00A0, Make<TSCLRecord>, nullptr},            // SCL
    TRecordClass{0x00A1, Make<TSetupRecord>, nullptr},          // SETUP
    TRecordClass{0x00BD, Make<TMulRKRecord>, nullptr},          // MULRK
    TRecordClass{0x00BE, Make<TMulBlankRecord>, nullptr},       // MULBLANK
    TRecordClass{0x00D3, Make<TObProjRecord>, nullptr},         // OBPROJ
    TRecordClass{0x00D6, Make<TRStringRecord>, nullptr},        // RSTRING
    TRecordClass{0x00D7, Make<TIgnoreRecord>, nullptr},         // DBCELL
    TRecordClass{0x00DA, Make<TBookBoolRecord>, nullptr},       // BOOKBOOL
    TRecordClass{0x00E0, Make<TXFRecord>, nullptr},             // XF
    TRecordClass{0x00E5, Make<TCellMergingRecord>, nullptr},    // MERGEDCELLS
    TRecordClass{0x00EB, Make<TDrawingGroupRecord>, nullptr},   // MSODRAWINGGROUP
    TRecordClass{0x00EC, Make<TDrawingRecord>, nullptr},        // MSODRAWING
    TRecordClass{0x00ED, Make<TIgnoreRecord>, nullptr},         // MSODRAWINGSELECTION
    TRecordClass{0x00FC, Make<TSSTRecord>, nullptr},            // SST
    TRecordClass{0x00FD, Make<TLabelSSTRecord>, nullptr},       // LABELSST
    TRecordClass{0x00FF, Make<TIgnoreRecord>, nullptr},         // EXTSST
    TRecordClass{0x013D, Make<TIgnoreRecord>, nullptr},         // TABID
    TRecordClass{0x01AE, Make<TSupBookRecord>, nullptr},        // SUPBOOK
    TRecordClass{0x01B2, Make<TDValRecord>, nullptr},           // DVAL
    TRecordClass{0x01B6, Make<TTXORecord>, nullptr},            // TXO
    TRecordClass{0x01B8, Make<THLinkRecord>, THLinkRecord::AttachCompanion}, // HLINK
    TRecordClass{0x01BA, Make<TCodeNameRecord>, nullptr},       // CODENAME
    TRecordClass{0x01C1, Make<TIgnoreRecord>, nullptr},         // RECALCID
    TRecordClass{0x0200, Make<TDimensionsRecord>, nullptr},     // DIMENSIONS
    TRecordClass{0x0201, Make<TBlankRecord>, nullptr},          // BLANK
    TRecordClass{0x0203, Make<TNumberRecord>, nullptr},         // NUMBER
    TRecordClass{0x0204, Make<TLabelRecord>, nullptr},          // LABEL
    TRecordClass{0x0205, Make<TBoolErrRecord>, nullptr},        // BOOLERR
    TRecordClass{0x0208, Make<TRowRecord>, nullptr},            // ROW
    TRecordClass{0x020B, Make<TIgnoreRecord>, nullptr},         // INDEX
    TRecordClass{0x0225, Make<TDefRowHeightRecord>, nullptr},   // DEFAULTROWHEIGHT
    TRecordClass{0x023E, Make<TWindow2Record>, nullptr},        // WINDOW2
    TRecordClass{0x027E, Make<TRKRecord>, nullptr},             // RK
    TRecordClass{0x0293, Make<TStyleRecord>, nullptr},          // STYLE
    TRecordClass{0x041E, Make<TFormatRecord>, nullptr},         // FORMAT
    TRecordClass{0x0809, Make<TBOFRecord>, nullptr},            // BOF
    TRecordClass{0x1033, Make<TBeginRecord>, nullptr},          // chart BEGIN
    TRecordClass{0x1034, Make<TEndRecord>, nullptr},            // chart END
    TRecordClass{0x1051, Make<TChartAIRecord>, nullptr},        // chart series link
    TRecordClass{0x1060, Make<TIgnoreRecord>, nullptr},         // chart FONTX
};
static_assert(std::is_sorted(RecordClasses.begin(), RecordClasses.end(),
                             [](const TRecordClass& a, const TRecordClass& b) { return a.Id < b.Id; }));

} // namespace

const TRecordClass* FindRecordClass(std::uint16_t Id)
{
    const auto it = std::lower_bound(RecordClasses.begin(), RecordClasses.end(), Id,
                                     [](const TRecordClass& entry, std::uint16_t id) { return entry.Id < id; });
    return it != RecordClasses.end() && it->Id == Id ? &*it : nullptr;
}

std::unique_ptr<TBaseRecord> CreateRecord(std::uint16_t Id, ByteArray Data)
{
    const TRecordClass* recordClass = FindRecordClass(Id);
    return recordClass ? recordClass->Create(Id, std::move(Data)) : std::make_unique<TBaseRecord>(Id, std::move(Data));
}

} // namespace xlsAdapter
