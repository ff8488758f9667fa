# Builds the man pages and the bash completion from what the programs print for
# --help, so that both say exactly what the programs accept.
# cmake -DCLI=path/nivora-cli -DAPP=path/nivora -DVERSION=x.y.z -DOUT=folder -P HelpPages.cmake

set(ENV{QT_QPA_PLATFORM} offscreen)
# A sanitizer build may report the toolkit's own allocations at exit.
set(ENV{ASAN_OPTIONS} detect_leaks=0)

function(help_text out)
  execute_process(COMMAND ${ARGN} OUTPUT_VARIABLE text RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0 OR text STREQUAL "")
    message(FATAL_ERROR "${ARGN} gave no help text (${rc})")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The help text as literal lines in troff.
function(troff_block out text)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  set(${out} ".nf\n${text}.fi\n" PARENT_SCOPE)
endfunction()

string(TIMESTAMP year "%Y" UTC)  # SOURCE_DATE_EPOCH, when set, fixes it
set(th "\"${year}\" \"Nivora ${VERSION}\" \"Nivora\"")
# German words need German hyphenation, which troff lacks; no hyphenation then.
set(nohyphen ".nh\n")

# nivora-cli: the overview, then every command listed under "Befehle:".
help_text(cli_help ${CLI} --help)
string(REGEX MATCHALL "\n  [a-z]+ DATEI" command_lines "${cli_help}")
set(commands "")
foreach(line IN LISTS command_lines)
  string(REGEX REPLACE "\n  ([a-z]+) DATEI" "\\1" command "${line}")
  list(APPEND commands ${command})
endforeach()
if(NOT commands)
  message(FATAL_ERROR "no commands found in: ${cli_help}")
endif()

troff_block(block "${cli_help}")
set(page ".TH NIVORA\\-CLI 1 ${th}\n${nohyphen}.SH NAME\nnivora\\-cli \\- Rollstab\\-Messdateien lesen, auswerten und drucken\n")
string(APPEND page ".SH BESCHREIBUNG\n${block}.SH BEFEHLE\n")
set(completion_cases "")
foreach(command IN LISTS commands)
  help_text(text ${CLI} ${command} --help)
  troff_block(block "${text}")
  string(APPEND page ".SS ${command}\n${block}")
  # Options of the command: a switch alone, or with one word after a single blank.
  # Brackets would group CMake list items, so they become blanks first.
  string(REGEX REPLACE "[][]" " " plain "${text}")
  string(REGEX MATCHALL "(^|[ ,(])-[-a-z]+( [A-Z0-9][A-Za-z0-9|-]*)?" found "${plain}")
  set(flags "")
  set(file_options "")
  set(choice_cases "")
  set(word_options "")
  foreach(item IN LISTS found)
    string(REGEX REPLACE "^[ ,(]" "" item "${item}")
    string(REGEX MATCH "^-[-a-z]+" option "${item}")
    string(REGEX REPLACE "^-[-a-z]+ ?" "" word "${item}")
    list(APPEND flags ${option})
    if(word MATCHES "\\|")
      string(REPLACE "|" " " choices "${word}")
      string(APPEND choice_cases "          ${option}) COMPREPLY=($(compgen -W '${choices}' -- \"$cur\")); return ;;\n")
    elseif(word STREQUAL "DATEI" OR word STREQUAL "AUSGABE")
      list(APPEND file_options ${option})
    elseif(NOT word STREQUAL "")
      list(APPEND word_options ${option})
    endif()
  endforeach()
  list(REMOVE_DUPLICATES flags)
  list(APPEND flags --help)
  list(JOIN flags " " flags)
  set(files_case "")
  if(file_options)
    list(REMOVE_DUPLICATES file_options)
    list(JOIN file_options "|" pattern)
    set(files_case "          ${pattern}) _nivora_cli_files; return ;;\n")
  endif()
  set(words_case "")
  if(word_options)
    list(REMOVE_DUPLICATES word_options)
    list(JOIN word_options "|" pattern)
    set(words_case "          ${pattern}) return ;;\n")
  endif()
  string(APPEND completion_cases
    "    ${command})\n        case \"$prev\" in\n${files_case}${choice_cases}${words_case}        esac\n"
    "        options='${flags}' ;;\n")
endforeach()
string(APPEND page ".SH RÜCKGABEWERT\n0: gelesen, 1: abgewiesen, 2: falscher Aufruf.\n")
string(APPEND page ".SH SIEHE AUCH\n.BR nivora (1)\n")
file(WRITE "${OUT}/nivora-cli.1" "${page}")

list(JOIN commands " " command_words)
file(WRITE "${OUT}/nivora-cli.bash-completion" "# bash completion for nivora-cli, made from its --help texts -*- shell-script -*-

_nivora_cli_files() {
    compopt -o filenames 2>/dev/null
    COMPREPLY=($(compgen -f -- \"$cur\"))
}

_nivora_cli() {
    local cur=\${COMP_WORDS[COMP_CWORD]} prev=\${COMP_WORDS[COMP_CWORD-1]} options
    COMPREPLY=()
    if [ \"$COMP_CWORD\" -eq 1 ]; then
        COMPREPLY=($(compgen -W '${command_words} --help --version' -- \"$cur\"))
        return
    fi
    case \${COMP_WORDS[1]} in
${completion_cases}    *) return ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W \"$options\" -- \"$cur\"))
    else
        _nivora_cli_files
    fi
}
complete -F _nivora_cli nivora-cli
")

# nivora: the desktop program's switches.
help_text(app_help ${APP} --help)
troff_block(block "${app_help}")
set(page ".TH NIVORA 1 ${th}\n${nohyphen}.SH NAME\nnivora \\- Betrachter für Ebenheitsmessungen mit dem Rollstab\n")
string(APPEND page ".SH BESCHREIBUNG\nNivora zeigt eine Messfahrt als Buch von Diagrammseiten mit Grenzwertlinien, "
  "Streckenabschnitten, Überschreitungen und Texten und druckt Diagramm- und Auswerteseiten. "
  "Messdatei und Zustandsdatei (DATEI.zi4) werden nur gelesen, nie geschrieben.\n"
  ".SH AUFRUF\n${block}")
string(APPEND page ".SH SIEHE AUCH\n.BR nivora\\-cli (1)\n")
file(WRITE "${OUT}/nivora.1" "${page}")
