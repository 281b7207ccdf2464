# The deployer's public update key(s), built in beside the download server.
# Every file the automatic update takes must carry a signature by one of them
# (scripts/update-key makes a key pair, scripts/publish-update signs). A build
# with a server and no key is refused: it could take nothing, or worse.
# Several keys (separated by commas) are accepted while a key is replaced.
string(REPLACE ";" "," QD_UPDATE_KEY_TEXT "${QD_UPDATE_KEY}")
string(STRIP "${QD_UPDATE_KEY_TEXT}" QD_UPDATE_KEY_TEXT)
if(QD_UPDATE_SERVER AND QD_UPDATE_KEY_TEXT STREQUAL "")
  message(FATAL_ERROR "QD_UPDATE_SERVER is set (${QD_UPDATE_SERVER}) but QD_UPDATE_KEY is not. "
    "The automatic update only takes files signed by the deployer: make a key pair with "
    "scripts/update-key and build with -DQD_UPDATE_KEY=<its public key, 64 hex digits>, "
    "or leave QD_UPDATE_SERVER empty to build without the automatic update.")
endif()
if(NOT QD_UPDATE_KEY_TEXT STREQUAL ""
   AND NOT QD_UPDATE_KEY_TEXT MATCHES "^[0-9A-Fa-f]+(,[0-9A-Fa-f]+)*$")
  message(FATAL_ERROR "QD_UPDATE_KEY must be one or more public keys of 64 hex digits each, "
    "separated by commas (scripts/update-key prints one); got: ${QD_UPDATE_KEY}")
endif()
string(REPLACE "," ";" key_list "${QD_UPDATE_KEY_TEXT}")
foreach(key IN LISTS key_list)
  string(LENGTH "${key}" key_length)
  if(NOT key_length EQUAL 64)
    message(FATAL_ERROR "QD_UPDATE_KEY: '${key}' is not a public key of 64 hex digits "
      "(scripts/update-key prints one)")
  endif()
endforeach()
