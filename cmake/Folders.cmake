# The program's folders and the arrows between them, written here once: the build's include check
# (IncludeArrows.cmake, CheckIncludeArrows.cmake) reads them, and the README points here.
#
# allowed_<folder>: the folders whose headers a source in <folder> may include. Nothing includes app;
# only app includes hits; ui includes platform alone; platform, xls and text include none of the
# others.
set(KORVIA_FOLDERS app hits export keywords songs text xls ui platform)
set(allowed_app app hits export keywords songs text xls ui platform)
set(allowed_hits hits export keywords songs text xls ui platform)
set(allowed_export export songs text xls ui platform)
set(allowed_keywords keywords songs text xls ui platform)
set(allowed_songs songs text ui platform)
set(allowed_text text)
set(allowed_xls xls)
set(allowed_ui ui platform)
set(allowed_platform platform)
