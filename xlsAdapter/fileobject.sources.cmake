# The file interface and the .xls file object.
list(APPEND XLS_SOURCES
  qorXLSAdapter.cpp
  qorXLSAdapterAutofit.cpp
  qorXLSAdapterLinks.cpp
  qorXLSAdapterNames.cpp
  qorXLSAdapterPaste.cpp
  qorXLSAdapterPictures.cpp
  qorUVyxRowComments.cpp
  qorXLSAdapterPrint.cpp
  qorXLSAdapterTypedText.cpp
  qorXLSAdapterView.cpp)
list(APPEND XLS_TEST_SOURCES
  tests/XLSAdapterTest.cpp
  tests/XlsPageSetupTest.cpp
  tests/XlsAutofitTest.cpp
  tests/XlsFileServicesTest.cpp
  tests/XlsHyperLinksTest.cpp
  tests/XlsDrawingsPeersTest.cpp)
