// The worksheet function table: number, name, argument counts and classes of
// every function a formula can call.
#include "xlsAdapter/qorXlsFormulaMessages.h"

#include <algorithm>

namespace xlsAdapter {

namespace {

struct TDefinedFunction {
    int Index;
    const char* Name;
    int MinArgCount;
    int MaxArgCount;
    bool Volatile;
    TFmReturnType ReturnType;
    const char* ParamType;
};

// The functions the file format numbers; every position not listed is free.
constexpr TDefinedFunction DefinedFunctions[] = {
    {0, "COUNT", 0, 30, false, fmValue, "R"},
    {1, "IF", 2, 3, false, fmRef, "VRR"},
    {2, "ISNA", 1, 1, false, fmValue, "V"},
    {3, "ISERROR", 1, 1, false, fmValue, "V"},
    {4, "SUM", 0, 30, false, fmValue, "R"},
    {5, "AVERAGE", 1, 30, false, fmValue, "R"},
    {6, "MIN", 1, 30, false, fmValue, "R"},
    {7, "MAX", 1, 30, false, fmValue, "R"},
    {8, "ROW", 0, 1, false, fmValue, "R"},
    {9, "COLUMN", 0, 1, false, fmValue, "R"},
    {10, "NA", 0, 0, false, fmValue, "-"},
    {11, "NPV", 2, 30, false, fmValue, "VR"},
    {12, "STDEV", 1, 30, false, fmValue, "R"},
    {13, "DOLLAR", 1, 2, false, fmValue, "VV"},
    {14, "FIXED", 1, 3, false, fmValue, "VVV"},
    {15, "SIN", 1, 1, false, fmValue, "V"},
    {16, "COS", 1, 1, false, fmValue, "V"},
    {17, "TAN", 1, 1, false, fmValue, "V"},
    {18, "ATAN", 1, 1, false, fmValue, "V"},
    {19, "PI", 0, 0, false, fmValue, "-"},
    {20, "SQRT", 1, 1, false, fmValue, "V"},
    {21, "EXP", 1, 1, false, fmValue, "V"},
    {22, "LN", 1, 1, false, fmValue, "V"},
    {23, "LOG10", 1, 1, false, fmValue, "V"},
    {24, "ABS", 1, 1, false, fmValue, "V"},
    {25, "INT", 1, 1, false, fmValue, "V"},
    {26, "SIGN", 1, 1, false, fmValue, "V"},
    {27, "ROUND", 2, 2, false, fmValue, "VV"},
    {28, "LOOKUP", 2, 3, false, fmValue, "VRR"},
    {29, "INDEX", 2, 4, false, fmRef, "RVVV"},
    {30, "REPT", 2, 2, false, fmValue, "VV"},
    {31, "MID", 3, 3, false, fmValue, "VVV"},
    {32, "LEN", 1, 1, false, fmValue, "V"},
    {33, "VALUE", 1, 1, false, fmValue, "V"},
    {34, "TRUE", 0, 0, false, fmValue, "-"},
    {35, "FALSE", 0, 0, false, fmValue, "-"},
    {36, "AND", 1, 30, false, fmValue, "R"},
    {37, "OR", 1, 30, false, fmValue, "R"},
    {38, "NOT", 1, 1, false, fmValue, "V"},
    {39, "MOD", 2, 2, false, fmValue, "VV"},
    {40, "DCOUNT", 3, 3, false, fmValue, "RRR"},
    {41, "DSUM", 3, 3, false, fmValue, "RRR"},
    {42, "DAVERAGE", 3, 3, false, fmValue, "RRR"},
    {43, "DMIN", 3, 3, false, fmValue, "RRR"},
    {44, "DMAX", 3, 3, false, fmValue, "RRR"},
    {45, "DSTDEV", 3, 3, false, fmValue, "RRR"},
    {46, "VAR", 1, 30, false, fmValue, "R"},
    {47, "DVAR", 3, 3, false, fmValue, "RRR"},
    {48, "TEXT", 2, 2, false, fmValue, "VV"},
    {49, "LINEST", 1, 4, false, fmArray, "RRVV"},
    {50, "TREND", 1, 4, false, fmArray, "RRRV"},
    {51, "LOGEST", 1, 4, false, fmArray, "RRVV"},
    {52, "GROWTH", 1, 4, false, fmArray, "RRRV"},
    {56, "PV", 3, 5, false, fmValue, "VVVVV"},
    {57, "FV", 3, 5, false, fmValue, "VVVVV"},
    {58, "NPER", 3, 5, false, fmValue, "VVVVV"},
    {59, "PMT", 3, 5, false, fmValue, "VVVVV"},
    {60, "RATE", 3, 6, false, fmValue, "VVVVVV"},
    {61, "MIRR", 3, 3, false, fmValue, "RVV"},
    {62, "IRR", 1, 2, false, fmValue, "RV"},
    {63, "RAND", 0, 0, true, fmValue, "-"},
    {64, "MATCH", 2, 3, false, fmValue, "VRR"},
    {65, "DATE", 3, 3, false, fmValue, "VVV"},
    {66, "TIME", 3, 3, false, fmValue, "VVV"},
    {67, "DAY", 1, 1, false, fmValue, "V"},
    {68, "MONTH", 1, 1, false, fmValue, "V"},
    {69, "YEAR", 1, 1, false, fmValue, "V"},
    {70, "WEEKDAY", 1, 2, false, fmValue, "VV"},
    {71, "HOUR", 1, 1, false, fmValue, "V"},
    {72, "MINUTE", 1, 1, false, fmValue, "V"},
    {73, "SECOND", 1, 1, false, fmValue, "V"},
    {74, "NOW", 0, 0, true, fmValue, "-"},
    {75, "AREAS", 1, 1, false, fmValue, "R"},
    {76, "ROWS", 1, 1, false, fmValue, "R"},
    {77, "COLUMNS", 1, 1, false, fmValue, "R"},
    {78, "OFFSET", 3, 5, true, fmRef, "RVVVV"},
    {82, "SEARCH", 2, 3, false, fmValue, "VVV"},
    {83, "TRANSPOSE", 1, 1, false, fmArray, "A"},
    {86, "TYPE", 1, 1, false, fmValue, "V"},
    {97, "ATAN2", 2, 2, false, fmValue, "VV"},
    {98, "ASIN", 1, 1, false, fmValue, "V"},
    {99, "ACOS", 1, 1, false, fmValue, "V"},
    {100, "CHOOSE", 2, 30, false, fmRef, "VR"},
    {101, "HLOOKUP", 3, 4, false, fmValue, "VRRV"},
    {102, "VLOOKUP", 3, 4, false, fmValue, "VRRV"},
    {105, "ISREF", 1, 1, false, fmValue, "R"},
    {109, "LOG", 1, 2, false, fmValue, "VV"},
    {111, "CHAR", 1, 1, false, fmValue, "V"},
    {112, "LOWER", 1, 1, false, fmValue, "V"},
    {113, "UPPER", 1, 1, false, fmValue, "V"},
    {114, "PROPER", 1, 1, false, fmValue, "V"},
    {115, "LEFT", 1, 2, false, fmValue, "VV"},
    {116, "RIGHT", 1, 2, false, fmValue, "VV"},
    {117, "EXACT", 2, 2, false, fmValue, "VV"},
    {118, "TRIM", 1, 1, false, fmValue, "V"},
    {119, "REPLACE", 4, 4, false, fmValue, "VVVV"},
    {120, "SUBSTITUTE", 3, 4, false, fmValue, "VVVV"},
    {121, "CODE", 1, 1, false, fmValue, "V"},
    {124, "FIND", 2, 3, false, fmValue, "VVV"},
    {125, "CELL", 1, 2, true, fmValue, "VR"},
    {126, "ISERR", 1, 1, false, fmValue, "V"},
    {127, "ISTEXT", 1, 1, false, fmValue, "V"},
    {128, "ISNUMBER", 1, 1, false, fmValue, "V"},
    {129, "ISBLANK", 1, 1, false, fmValue, "V"},
    {130, "T", 1, 1, false, fmValue, "R"},
    {131, "N", 1, 1, false, fmValue, "R"},
    {140, "DATEVALUE", 1, 1, false, fmValue, "V"},
    {141, "TIMEVALUE", 1, 1, false, fmValue, "V"},
    {142, "SLN", 3, 3, false, fmValue, "VVV"},
    {143, "SYD", 4, 4, false, fmValue, "VVVV"},
    {144, "DDB", 4, 5, false, fmValue, "VVVVV"},
    {148, "INDIRECT", 1, 2, true, fmRef, "VV"},
    {162, "CLEAN", 1, 1, false, fmValue, "V"},
    {163, "MDETERM", 1, 1, false, fmValue, "A"},
    {164, "MINVERSE", 1, 1, false, fmArray, "A"},
    {165, "MMULT", 2, 2, false, fmArray, "AA"},
    {167, "IPMT", 4, 6, false, fmValue, "VVVVVV"},
    {168, "PPMT", 4, 6, false, fmValue, "VVVVVV"},
    {169, "COUNTA", 0, 30, false, fmValue, "R"},
    {183, "PRODUCT", 0, 30, false, fmValue, "R"},
    {184, "FACT", 1, 1, false, fmValue, "V"},
    {189, "DPRODUCT", 3, 3, false, fmValue, "RRR"},
    {190, "ISNONTEXT", 1, 1, false, fmValue, "V"},
    {193, "STDEVP", 1, 30, false, fmValue, "R"},
    {194, "VARP", 1, 30, false, fmValue, "R"},
    {195, "DSTDEVP", 3, 3, false, fmValue, "RRR"},
    {196, "DVARP", 3, 3, false, fmValue, "RRR"},
    {197, "TRUNC", 1, 2, false, fmValue, "VV"},
    {198, "ISLOGICAL", 1, 1, false, fmValue, "V"},
    {199, "DCOUNTA", 3, 3, false, fmValue, "RRR"},
    {204, "USDOLLAR", 1, 2, false, fmValue, "VV"},
    {205, "FINDB", 2, 3, false, fmValue, "VVV"},
    {206, "SEARCHB", 2, 3, false, fmValue, "VVV"},
    {207, "REPLACEB", 4, 4, false, fmValue, "VVVV"},
    {208, "LEFTB", 1, 2, false, fmValue, "VV"},
    {209, "RIGHTB", 1, 2, false, fmValue, "VV"},
    {210, "MIDB", 3, 3, false, fmValue, "VVV"},
    {211, "LENB", 1, 1, false, fmValue, "V"},
    {212, "ROUNDUP", 2, 2, false, fmValue, "VV"},
    {213, "ROUNDDOWN", 2, 2, false, fmValue, "VV"},
    {214, "ASC", 1, 1, false, fmValue, "V"},
    {215, "DBCS", 1, 1, false, fmValue, "V"},
    {216, "RANK", 2, 3, false, fmValue, "VRV"},
    {219, "ADDRESS", 2, 5, false, fmValue, "VVVVV"},
    {220, "DAYS360", 2, 3, false, fmValue, "VVV"},
    {221, "TODAY", 0, 0, true, fmValue, "-"},
    {222, "VDB", 5, 7, false, fmValue, "VVVVVVV"},
    {227, "MEDIAN", 1, 30, false, fmValue, "R"},
    {228, "SUMPRODUCT", 1, 30, false, fmValue, "A"},
    {229, "SINH", 1, 1, false, fmValue, "V"},
    {230, "COSH", 1, 1, false, fmValue, "V"},
    {231, "TANH", 1, 1, false, fmValue, "V"},
    {232, "ASINH", 1, 1, false, fmValue, "V"},
    {233, "ACOSH", 1, 1, false, fmValue, "V"},
    {234, "ATANH", 1, 1, false, fmValue, "V"},
    {235, "DGET", 3, 3, false, fmValue, "RRR"},
    {244, "INFO", 1, 1, false, fmValue, "V"},
    {247, "DB", 4, 5, false, fmValue, "VVVVV"},
    {252, "FREQUENCY", 2, 2, false, fmArray, "RR"},
    {261, "ERROR.TYPE", 1, 1, false, fmValue, "V"},
    {269, "AVEDEV", 1, 30, false, fmValue, "R"},
    {270, "BETADIST", 3, 5, false, fmValue, "VVVVV"},
    {271, "GAMMALN", 1, 1, false, fmValue, "V"},
    {272, "BETAINV", 3, 5, false, fmValue, "VVVVV"},
    {273, "BINOMDIST", 4, 4, false, fmValue, "VVVV"},
    {274, "CHIDIST", 2, 2, false, fmValue, "VV"},
    {275, "CHIINV", 2, 2, false, fmValue, "VV"},
    {276, "COMBIN", 2, 2, false, fmValue, "VV"},
    {277, "CONFIDENCE", 3, 3, false, fmValue, "VVV"},
    {278, "CRITBINOM", 3, 3, false, fmValue, "VVV"},
    {279, "EVEN", 1, 1, false, fmValue, "V"},
    {280, "EXPONDIST", 3, 3, false, fmValue, "VVV"},
    {281, "FDIST", 3, 3, false, fmValue, "VVV"},
    {282, "FINV", 3, 3, false, fmValue, "VVV"},
    {283, "FISHER", 1, 1, false, fmValue, "V"},
    {284, "FISHERINV", 1, 1, false, fmValue, "V"},
    {285, "FLOOR", 2, 2, false, fmValue, "VV"},
    {286, "GAMMADIST", 4, 4, false, fmValue, "VVVV"},
    {287, "GAMMAINV", 3, 3, false, fmValue, "VVV"},
    {288, "CEILING", 2, 2, false, fmValue, "VV"},
    {289, "HYPGEOMDIST", 4, 4, false, fmValue, "VVVV"},
    {290, "LOGNORMDIST", 3, 3, false, fmValue, "VVV"},
    {291, "LOGINV", 3, 3, false, fmValue, "VVV"},
    {292, "NEGBINOMDIST", 3, 3, false, fmValue, "VVV"},
    {293, "NORMDIST", 4, 4, false, fmValue, "VVVV"},
    {294, "NORMSDIST", 1, 1, false, fmValue, "V"},
    {295, "NORMINV", 3, 3, false, fmValue, "VVV"},
    {296, "NORMSINV", 1, 1, false, fmValue, "V"},
    {297, "STANDARDIZE", 3, 3, false, fmValue, "VVV"},
    {298, "ODD", 1, 1, false, fmValue, "V"},
    {299, "PERMUT", 2, 2, false, fmValue, "VV"},
    {300, "POISSON", 3, 3, false, fmValue, "VVV"},
    {301, "TDIST", 3, 3, false, fmValue, "VVV"},
    {302, "WEIBULL", 4, 4, false, fmValue, "VVVV"},
    {303, "SUMXMY2", 2, 2, false, fmValue, "AA"},
    {304, "SUMX2MY2", 2, 2, false, fmValue, "AA"},
    {305, "SUMX2PY2", 2, 2, false, fmValue, "AA"},
    {306, "CHITEST", 2, 2, false, fmValue, "AA"},
    {307, "CORREL", 2, 2, false, fmValue, "AA"},
    {308, "COVAR", 2, 2, false, fmValue, "AA"},
    {309, "FORECAST", 3, 3, false, fmValue, "VAA"},
    {310, "FTEST", 2, 2, false, fmValue, "AA"},
    {311, "INTERCEPT", 2, 2, false, fmValue, "AA"},
    {312, "PEARSON", 2, 2, false, fmValue, "AA"},
    {313, "RSQ", 2, 2, false, fmValue, "AA"},
    {314, "STEYX", 2, 2, false, fmValue, "AA"},
    {315, "SLOPE", 2, 2, false, fmValue, "AA"},
    {316, "TTEST", 4, 4, false, fmValue, "AAVV"},
    {317, "PROB", 3, 4, false, fmValue, "AAVV"},
    {318, "DEVSQ", 1, 30, false, fmValue, "R"},
    {319, "GEOMEAN", 1, 30, false, fmValue, "R"},
    {320, "HARMEAN", 1, 30, false, fmValue, "R"},
    {321, "SUMSQ", 0, 30, false, fmValue, "R"},
    {322, "KURT", 1, 30, false, fmValue, "R"},
    {323, "SKEW", 1, 30, false, fmValue, "R"},
    {324, "ZTEST", 2, 3, false, fmValue, "RVV"},
    {325, "LARGE", 2, 2, false, fmValue, "RV"},
    {326, "SMALL", 2, 2, false, fmValue, "RV"},
    {327, "QUARTILE", 2, 2, false, fmValue, "RV"},
    {328, "PERCENTILE", 2, 2, false, fmValue, "RV"},
    {329, "PERCENTRANK", 2, 3, false, fmValue, "RVV"},
    {330, "MODE", 1, 30, false, fmValue, "A"},
    {331, "TRIMMEAN", 2, 2, false, fmValue, "RV"},
    {332, "TINV", 2, 2, false, fmValue, "VV"},
    {336, "CONCATENATE", 0, 30, false, fmValue, "V"},
    {337, "POWER", 2, 2, false, fmValue, "VV"},
    {342, "RADIANS", 1, 1, false, fmValue, "V"},
    {343, "DEGREES", 1, 1, false, fmValue, "V"},
    {344, "SUBTOTAL", 2, 30, false, fmValue, "VR"},
    {345, "SUMIF", 2, 3, false, fmValue, "RVR"},
    {346, "COUNTIF", 2, 2, false, fmValue, "RV"},
    {347, "COUNTBLANK", 1, 1, false, fmValue, "R"},
    {350, "ISPMT", 4, 4, false, fmValue, "VVVV"},
    {351, "DATEDIF", 3, 3, false, fmValue, "VVV"},
    {352, "DATESTRING", 1, 1, false, fmValue, "V"},
    {353, "NUMBERSTRING", 2, 2, false, fmValue, "VV"},
    {354, "ROMAN", 1, 2, false, fmValue, "VV"},
    {358, "GETPIVOTDATA", 2, 30, false, fmValue, "V"},
    {359, "HYPERLINK", 1, 2, false, fmValue, "VV"},
    {360, "PHONETIC", 1, 1, false, fmValue, "R"},
    {361, "AVERAGEA", 1, 30, false, fmValue, "R"},
    {362, "MAXA", 1, 30, false, fmValue, "R"},
    {363, "MINA", 1, 30, false, fmValue, "R"},
    {364, "STDEVPA", 1, 30, false, fmValue, "R"},
    {365, "VARPA", 1, 30, false, fmValue, "R"},
    {366, "STDEVA", 1, 30, false, fmValue, "R"},
    {367, "VARA", 1, 30, false, fmValue, "R"},
};

constexpr bool IsStrictlyAscendingInTable()
{
    int previous = -1;
    for (const TDefinedFunction& function : DefinedFunctions) {
        if (function.Index <= previous || function.Index >= CellFunctionCount)
            return false;
        previous = function.Index;
    }
    return true;
}
static_assert(IsStrictlyAscendingInTable(), "function numbers must ascend and stay inside the table");

std::array<TCellFunctionData, CellFunctionCount> BuildTable()
{
    std::array<TCellFunctionData, CellFunctionCount> table;
    for (int index = 0; index < CellFunctionCount; ++index)
        table[index] = {index, "NotAFunction" + std::to_string(index), 0, 0, false, fmValue, ""};
    for (const TDefinedFunction& function : DefinedFunctions)
        table[function.Index] = {function.Index,       function.Name,       function.MinArgCount,
                                 function.MaxArgCount, function.Volatile,   function.ReturnType,
                                 function.ParamType};
    return table;
}

} // namespace

char TCellFunctionData::ParamTypeOf(int ArgIndex) const
{
    if (ParamType.empty())
        return '-';
    const std::size_t last = ParamType.size() - 1;
    return ParamType[std::min(static_cast<std::size_t>(std::max(ArgIndex, 0)), last)];
}

const std::array<TCellFunctionData, CellFunctionCount>& CellFunctionTable()
{
    static const std::array<TCellFunctionData, CellFunctionCount> table = BuildTable();
    return table;
}

const TCellFunctionData* CellFunctionByIndex(int Index)
{
    if (Index < 0 || Index >= CellFunctionCount)
        return nullptr;
    return &CellFunctionTable()[Index];
}

const TCellFunctionData* FindCellFunction(std::string_view Name)
{
    for (const TCellFunctionData& function : CellFunctionTable())
        if (function.Name == Name)
            return &function;
    return nullptr;
}

} // namespace xlsAdapter
