# What the viewers share: their File > Print... menu.
vistra_library(vistra_tool_common SOURCES common/PrintMenu.cpp DEPENDS vistra_ui)
