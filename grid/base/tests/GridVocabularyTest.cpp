// Stored value names of the grid enumerations.
#include <gtest/gtest.h>

#include "grid/base/GridEnumNames.h"
#include "grid/base/GridEvents.h"  // compiled here so the event types stay well-formed

using namespace grid;

TEST(GridVocabulary, StoredEditorNamesReadBackAsTheirOrdinals)
{
    EXPECT_EQ(NameToEnum<TEditorType>("edQuillGridDropDown"), 38);
    EXPECT_EQ(NameToEnum<TEditorType>("edNone"), 27);
    EXPECT_EQ(NameToEnum<TEditorType>("EDNORMAL"), edNormal);
    EXPECT_EQ(EnumToName(edFloatUnitEditBtn), "edFloatUnitEditBtn");
    EXPECT_EQ(EnumNames<TEditorType>().size(), 42u);
}

TEST(GridVocabulary, EveryNameRoundTrips)
{
    const auto roundTrips = []<class Enum>(Enum) {
        const auto names = EnumNames<Enum>();
        for (std::size_t i = 0; i < names.size(); ++i)
            EXPECT_EQ(static_cast<std::size_t>(NameToEnum<Enum>(names[i])), i) << names[i];
    };
    roundTrips(edNormal);
    roundTrips(cbTop);
    roundTrips(ssAutomatic);
    roundTrips(acNONE);
    roundTrips(ssDefault);
    roundTrips(dfText);
    EXPECT_EQ(EnumToName(ssAlphaNumericNoCase), "ssAlphaNumericNoCase");
    EXPECT_EQ(EnumToName(ssOffice2007), "ssOffice2007");
    EXPECT_EQ(EnumToName(acSTDDEV), "acSTDDEV");
}

TEST(GridVocabulary, UnknownNamesAndValuesAreRefused)
{
    EXPECT_THROW(NameToEnum<TEditorType>("edSomethingElse"), EConvertError);
    EXPECT_THROW(NameToEnum<TSortStyle>("ssDefault"), EConvertError);  // a selection style, not a sort style
    EXPECT_THROW(NameToEnum<TVAlignment>(""), EConvertError);
    EXPECT_THROW(EnumToName(static_cast<TEditorType>(42)), EConvertError);
}
