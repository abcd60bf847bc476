-- Sign-in through "ulmliblua" in the booted host. The identity library answers on a thread of its
-- own; each outcome crosses to the main event loop and reaches the global onFetchAccessToken.
-- The test body runs in a coroutine that the idle hook resumes once per turn of the event loop,
-- so every login below is called from a coroutine's state, not from the main state.
local T = require "testlib"

local SECRET = "5e2a7b90-1c4d-4f3e-8b6a-0d9c2e7f4a13"
local FAILED_START = "Error returned while fetching access token"
-- What a token request that no test answered delivers.
local UNANSWERED = "1:no access token for this user"

local received = {}
local function record(status, data)
  received[#received + 1] = status .. ":" .. data
end
onFetchAccessToken = record

-- Lets the library's thread answer everything, then turns the event loop until a turn brings no
-- further outcome.
local function pumpUntilIdle()
  repeat
    local before = #received
    glimmet_test.ulmWaitUntilIdle()
    coroutine.yield()
  until #received == before
end

local function list(t)
  local parts = {}
  for i, v in ipairs(t) do parts[i] = tostring(v) end
  return "{" .. table.concat(parts, ", ") .. "}"
end

local function triedIds()
  local ids = {}
  for i, request in ipairs(glimmet_test.ulmRequests()) do ids[i] = request.userId end
  return ids
end

-- Scripts the library, logs in once and pumps the loop; returns the login's result.
local function login(scenario)
  glimmet_test.ulmReset()
  received = {}
  if scenario.accounts then
    glimmet_test.ulmAccounts(unpack(scenario.accounts, 1, 2))
  elseif scenario.ids then
    glimmet_test.ulmAccounts(scenario.ids)
  end
  for _, answer in ipairs(scenario.answers or {}) do glimmet_test.ulmQueueAnswer(answer) end
  glimmet_test.ulmThrowFromCalls(scenario.throws or false)
  local result = ulmliblua.ulmLibLogin()
  glimmet_test.ulmThrowFromCalls(false)
  pumpUntilIdle()
  return result
end

local function checkScenario(scenario, result)
  T.eq(result, scenario.result, "login result")
  T.eq(list(received), list(scenario.received), "texts received")
  T.eq(list(triedIds()), list(scenario.tried), "user ids tried")
  T.eq(glimmet_test.ulmUnreleasedData(), 0, "account data released")
end

-- {account ids or account fetch, start codes and asynchronous answers} -> {login result, texts
-- received by onFetchAccessToken, user ids tried in order}.
local scenarios = {
  { name = "one account, token granted", ids = { "u1" }, answers = { { status = 0, data = "tok-1" } },
    result = "0,", received = { "0:tok-1" }, tried = { "u1" } },
  { name = "no user id in the account data", ids = {}, result = nil, received = {}, tried = {} },
  { name = "account fetch fails", accounts = { 7 }, result = nil, received = {}, tried = {} },
  { name = "account data missing", accounts = { 0, nil }, result = nil, received = {}, tried = {} },
  { name = "empty user id skipped", accounts = { 0, "<userId></userId><userId>u2</userId>" },
    answers = { { data = "tok-2" } }, result = "0,", received = { "0:tok-2" }, tried = { "u2" } },
  { name = "start refused with code 5", ids = { "u1", "u2" }, answers = { { start = 5 } },
    result = "5," .. FAILED_START, received = {}, tried = { "u1" } },
  { name = "start refused with a negative code", ids = { "u1" }, answers = { { start = -3 } },
    result = "-3," .. FAILED_START, received = {}, tried = { "u1" } },
  { name = "a failure with ids left tries the next ones", ids = { "u1", "u2", "u3" },
    answers = { { status = 1, data = "e1" }, { status = 2, data = "e2" }, { status = 0, data = "tok-3" } },
    result = "0,", received = { "0:tok-3" }, tried = { "u1", "u2", "u3" } },
  { name = "every id fails: only the last failure arrives", ids = { "u1", "u2" },
    answers = { { status = 1, data = "e1" }, { status = -2, data = "e2" } },
    result = "0,", received = { "-2:e2" }, tried = { "u1", "u2" } },
  { name = "a retry that cannot start delivers the failure before it", ids = { "u1", "u2", "u3" },
    answers = { { status = 4, data = "e4" }, { start = 9 } },
    result = "0,", received = { "4:e4" }, tried = { "u1", "u2" } },
  { name = "null data arrives as an empty text", ids = { "u1" }, answers = { { status = 0, nullData = true } },
    result = "0,", received = { "0:" }, tried = { "u1" } },
  { name = "a failure with null data", ids = { "u1" }, answers = { { status = 3, nullData = true } },
    result = "0,", received = { "3:" }, tried = { "u1" } },
  { name = "the library raises", ids = { "u1" }, throws = true, result = nil, received = {}, tried = {} },
}

local function body()
  -- pcall cannot be yielded across: the loop turns between the checks, never inside them.
  local result = ulmliblua.ulmLibLogin("ignored", 1)
  pumpUntilIdle()
  T.test("unscripted login: nobody is signed in, so no token is requested", function()
    T.eq(result, nil, "login result")
    T.eq(list(received), "{}", "texts received")
    T.eq(#glimmet_test.ulmRequests(), 0, "requests")
    T.eq(#glimmet_test.ulmCreatedRefs(), 1, "one reference")
  end)

  glimmet_test.ulmAccounts({ "u1" })
  result = ulmliblua.ulmLibLogin()
  pumpUntilIdle()
  T.test("a token request nobody answered fails, with the fixed request values", function()
    T.eq(result, "0,", "login result")
    T.eq(list(received), "{" .. UNANSWERED .. "}", "texts received")
    local requests = glimmet_test.ulmRequests()
    T.eq(#requests, 1, "requests")
    local request = requests[1]
    T.eq(request.clientId, "QuorvinVeyra1", "client id")
    T.eq(request.clientSecret, SECRET, "client secret")
    T.eq(request.userId, "u1", "user id")
    T.eq(request.deviceToken, "", "the empty value between user id and scopes")
    T.eq(request.scopes, "QuorvinID,openid,sao.veyra", "scopes")
    T.eq(#glimmet_test.ulmCreatedRefs(), 1, "still one reference")
    T.ok(request.ref ~= 0, "requests use the reference")
  end)

  for _, scenario in ipairs(scenarios) do
    local result = login(scenario)
    T.test("sign-in [" .. scenario.name .. "]", function() checkScenario(scenario, result) end)
  end

  T.test("the reference is made once for the whole run", function()
    T.eq(#glimmet_test.ulmCreatedRefs(), 0, "references made after the first login")
  end)

  glimmet_test.ulmReset()
  received = {}
  glimmet_test.ulmAccounts({ "a" })
  glimmet_test.ulmQueueAnswer({ data = "tok-a" })
  glimmet_test.ulmQueueAnswer({ data = "tok-b" })
  ulmliblua.ulmLibLogin()
  ulmliblua.ulmLibLogin()
  glimmet_test.ulmWaitUntilIdle()
  coroutine.yield()
  T.test("two outcomes queued before a dispatch are both delivered by it, in order", function()
    T.eq(list(received), "{0:tok-a, 0:tok-b}", "after one turn")
  end)
  pumpUntilIdle()
  T.test("the second dispatch finds nothing", function() T.eq(#received, 2, "texts received") end)

  T.test("the result goes to the caller's state", function()
    glimmet_test.ulmReset()
    glimmet_test.ulmAccounts({ "u1" })
    local inner = coroutine.wrap(function() return ulmliblua.ulmLibLogin() end)
    T.eq(inner(), "0,", "from a nested coroutine")
    T.eq(select("#", ulmliblua.ulmLibLogin()), 1, "one value")
  end)
  pumpUntilIdle()

  -- A handler that is missing, not a function, or raises drops its outcome; later ones still come.
  for _, handler in ipairs({ false, "not a function", function() error("handler failed") end }) do
    glimmet_test.ulmReset()
    glimmet_test.ulmAccounts({ "u1" })
    onFetchAccessToken = handler or nil
    ulmliblua.ulmLibLogin()
    pumpUntilIdle()
  end
  received = {}
  onFetchAccessToken = record
  glimmet_test.ulmReset()
  glimmet_test.ulmAccounts({ "u1" })
  ulmliblua.ulmLibLogin()
  pumpUntilIdle()
  T.test("outcomes without a handler are dropped, later ones delivered", function()
    T.eq(list(received), "{" .. UNANSWERED .. "}", "texts received")
  end)

  T.test("an outcome held by the library arrives once it is released", function()
    glimmet_test.ulmReset()
    received = {}
    glimmet_test.ulmAccounts({ "u1" })
    glimmet_test.ulmQueueAnswer({ data = "tok-held" })
    glimmet_test.ulmHoldAnswers(true)
    T.eq(ulmliblua.ulmLibLogin(), "0,", "login result")
  end)
  for _ = 1, 3 do coroutine.yield() end
  T.test("nothing arrives while held", function() T.eq(#received, 0, "texts received") end)
  glimmet_test.ulmHoldAnswers(false)
  pumpUntilIdle()
  T.test("released", function() T.eq(list(received), "{0:tok-held}", "texts received") end)
end

local runner = coroutine.create(body)
function fennick_DoIdleLoop()
  if coroutine.status(runner) == "dead" then return end
  local ok, err = coroutine.resume(runner)
  if not ok then T.test("test body", function() error(err, 0) end) end
  if coroutine.status(runner) == "dead" then T.finish() end
end
