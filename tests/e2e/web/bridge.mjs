// Playwright for the Python stories: one JSON request a line on stdin, one answer a line
// on stdout. {"id", "target", "call": "dotted.method", "args", "keep"} calls the method
// of a kept object (the first is "chromium"); {"$ref": name} in args stands for a kept
// object; "keep" names the result instead of returning it. Buffers come back as
// {"$base64": ...}; an evaluate's function comes as its source text. Each kept page's console lines and page errors are collected for
// {"target": "bridge", "call": "console", "args": [page]}. End of input closes the browser.
import { chromium } from "playwright-core";
import { createInterface } from "node:readline";

const kept = { chromium };
const consoles = {};

function resolve(value) {
    if (Array.isArray(value)) return value.map(resolve);
    if (value && typeof value === "object") {
        if ("$ref" in value) return kept[value.$ref];
        return Object.fromEntries(Object.entries(value).map(([k, v]) => [k, resolve(v)]));
    }
    return value;
}

function plain(value) {
    if (Buffer.isBuffer(value)) return { $base64: value.toString("base64") };
    if (value === undefined || (value && typeof value === "object" && value.constructor &&
        !["Object", "Array"].includes(value.constructor.name))) return null;
    return value;
}

function keep(name, value) {
    kept[name] = value;
    if (value && typeof value.on === "function" && typeof value.goto === "function") {
        const lines = (consoles[name] = []);
        value.on("console", (m) => lines.push(m.type() + ": " + m.text()));
        value.on("pageerror", (e) => lines.push("pageerror: " + e.message));
    }
}

async function perform({ target, call, args = [], keep: name }) {
    if (target === "bridge" && call === "console") return consoles[args[0]].splice(0);
    const path = call.split(".");
    let owner = kept[target];
    if (owner === undefined) throw new Error("nothing kept as " + target);
    for (const step of path.slice(0, -1)) owner = owner[step];
    const method = owner[path.at(-1)];
    if (typeof method !== "function") throw new Error(target + "." + call + " is no method");
    args = resolve(args);
    if (/^(evaluate|waitForFunction)$/.test(path.at(-1)) && typeof args[0] === "string") {
        args[0] = (0, eval)("(" + args[0] + ")"); // sent to the page as its source
    }
    const value = await method.apply(owner, args);
    if (name) keep(name, value);
    return name ? null : plain(value);
}

const input = createInterface({ input: process.stdin });
let queue = Promise.resolve();
input.on("line", (line) => {
    const request = JSON.parse(line);
    queue = queue.then(async () => {
        let answer;
        try {
            answer = { id: request.id, value: await perform(request) };
        } catch (error) {
            answer = { id: request.id, error: String(error && error.stack || error) };
        }
        process.stdout.write(JSON.stringify(answer) + "\n");
    });
});
input.on("close", () => queue.then(async () => {
    for (const value of Object.values(kept)) {
        if (value && typeof value.close === "function" && typeof value.newContext === "function") {
            await value.close().catch(() => {});
        }
    }
    process.exit(0);
}));
