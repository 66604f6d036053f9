# Writes OUT, a C++ source with the English texts of the translation TS (a Qt .ts file): one pair
# of a marked text and its English for every finished entry. Run at build time:
#   cmake -DTS=translations/kvor3m_en.ts -DOUT=english_table.cpp -P english_table.cmake
# so that the batch runner has the English texts without Qt.
cmake_minimum_required(VERSION 3.25)
file(READ "${TS}" ts)

# A text of the file as it is meant: its five XML entities replaced, &amp; last.
function(unescape text out)
    string(REPLACE "&lt;" "<" text "${text}")
    string(REPLACE "&gt;" ">" text "${text}")
    string(REPLACE "&quot;" "\"" text "${text}")
    string(REPLACE "&apos;" "'" text "${text}")
    string(REPLACE "&amp;" "&" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The text between `open` and `close` in `block`, or nothing when `open` is not there.
function(between block open close out)
    string(FIND "${block}" "${open}" start)
    if(start EQUAL -1)
        set(${out} "" PARENT_SCOPE)
        return()
    endif()
    string(LENGTH "${open}" length)
    math(EXPR start "${start} + ${length}")
    string(SUBSTRING "${block}" ${start} -1 rest)
    string(FIND "${rest}" "${close}" end)
    string(SUBSTRING "${rest}" 0 ${end} text)
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

set(rows "")
while(TRUE)
    string(FIND "${ts}" "<message>" start)
    if(start EQUAL -1)
        break()
    endif()
    string(FIND "${ts}" "</message>" end)
    math(EXPR length "${end} - ${start}")
    string(SUBSTRING "${ts}" ${start} ${length} message)
    math(EXPR end "${end} + 10")
    string(SUBSTRING "${ts}" ${end} -1 ts)
    # Unfinished entries have no English yet: their text stays as it is.
    if(message MATCHES "type=\"(unfinished|vanished|obsolete)\"")
        continue()
    endif()
    between("${message}" "<source>" "</source>" source)
    between("${message}" "<translation>" "</translation>" english)
    unescape("${source}" source)
    unescape("${english}" english)
    string(APPEND rows "    {R\"kvor(${source})kvor\", R\"kvor(${english})kvor\"},\n")
endwhile()

file(WRITE "${OUT}.new" "// Generated from ${TS} by english_table.cmake; do not edit.\n"
    "#include \"english_texts.h\"\n\nnamespace kvor {\n\nnamespace {\n"
    "constexpr TextPair kEnglish[] = {\n${rows}};\n}\n\n"
    "std::span<const TextPair> EnglishTexts() {\n    return kEnglish;\n}\n\n} // namespace kvor\n")
# Only a change of the table rebuilds what depends on it.
file(COPY_FILE "${OUT}.new" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.new")
