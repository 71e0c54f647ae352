# Fuzz targets of the runtime's text readers: formats, string lists, INI and XML.
vistra_fuzz_target(FuzzTextFormats LIBRARIES vistra_rtl SEEDS fuzz/seeds/formats.txt)
vistra_fuzz_target(FuzzStringList LIBRARIES vistra_classes SEEDS fuzz/seeds/settings.ini fuzz/seeds/lines.txt)
vistra_fuzz_target(FuzzXmlDocument LIBRARIES vistra_xml SEEDS fuzz/seeds/reply.xml)
