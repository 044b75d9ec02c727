#version 120
// Engine flame. Each quad is one particle: xy is a corner of the unit square,
// z the particle's fraction in [0, 1). Particles leave the nozzle at the
// origin and stream along local +y, the way out of the ship's back.

uniform float time_0_X;          // seconds
uniform float particleHCthrust;  // 0 idle .. 1 full thrust

varying vec2 texCoord;
varying vec4 tint;

const float lifeSeconds = 0.45;  // one pass from nozzle to tip
const float idleLength = 45.0;   // game units, flame length at no thrust
const float fullLength = 250.0;  // game units, flame length at full thrust

float hash(float n) {
    return fract(sin(n * 127.1 + 11.7) * 43758.5453);
}

void main() {
    float id = gl_Vertex.z * 997.0;
    float thrust = clamp(particleHCthrust, 0.0, 1.0);

    // Every particle loops on its own phase, so the stream never pulses.
    float age = fract(time_0_X / (lifeSeconds * (0.8 + 0.4 * hash(id + 3.0))) + hash(id));

    float len = mix(idleLength, fullLength, thrust) * (0.75 + 0.25 * hash(id + 5.0));
    float along = age * len;
    // Wide at the nozzle, drawn in to a point as the particles shrink.
    float spread = (hash(id + 1.0) - 0.5) * mix(14.0, 40.0, thrust) * (1.0 - 0.5 * age);
    float wobble = sin(time_0_X * 23.0 + id) * 3.0 * age;

    float radius = mix(mix(8.0, 22.0, thrust), 4.0, age);
    vec2 centre = vec2(spread + wobble, along);
    vec4 world = vec4(centre + gl_Vertex.xy * radius, 0.0, 1.0);
    gl_Position = gl_ModelViewProjectionMatrix * world;
    texCoord = gl_Vertex.xy * 0.5 + 0.5;

    // White-hot at the nozzle, through yellow and orange to a dull red tip.
    vec3 hot = vec3(1.0, 0.95, 0.7);
    vec3 yellow = vec3(1.0, 0.75, 0.2);
    vec3 orange = vec3(1.0, 0.4, 0.05);
    vec3 red = vec3(0.7, 0.08, 0.02);
    vec3 colour = age < 0.2 ? mix(hot, yellow, age / 0.2)
                : age < 0.55 ? mix(yellow, orange, (age - 0.2) / 0.35)
                : mix(orange, red, (age - 0.55) / 0.45);
    float fade = pow(1.0 - age, 1.5);
    tint = vec4(colour, fade * mix(0.2, 0.5, thrust));
}
